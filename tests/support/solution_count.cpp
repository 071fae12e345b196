#include "solution_count.h"

#include <bit>
#include <cstdint>

namespace velmora::test {

namespace {

// Backtracking on the open cell with the fewest values left.
struct Counter {
    int n, boxRows, boxCols, limit;
    std::vector<int> cells;
    std::vector<std::uint32_t> used;  // per row, then column, then box: values used, bit v-1
    int found = 0;

    Counter(int rows, int cols, int most)
        : n(rows * cols),
          boxRows(rows),
          boxCols(cols),
          limit(most),
          cells(static_cast<std::size_t>(n * n)),
          used(static_cast<std::size_t>(3 * n)) {}

    std::uint32_t& unitOf(int i, int type) {
        const int r = i / n, c = i % n;
        const int unit = type == 0   ? r
                         : type == 1 ? c
                                     : (r / boxRows) * (n / boxCols) + c / boxCols;
        return used[static_cast<std::size_t>(type * n + unit)];
    }
    std::uint32_t freeAt(int i) {
        return ~(unitOf(i, 0) | unitOf(i, 1) | unitOf(i, 2)) & ((1u << n) - 1);
    }
    // Puts v into cell i (v > 0) or takes its value out (v = 0); false when v clashes.
    bool set(int i, int v) {
        const int old = cells[static_cast<std::size_t>(i)];
        if (v != 0 && (freeAt(i) & (1u << (v - 1))) == 0) return false;
        for (int type = 0; type < 3; ++type)
            unitOf(i, type) ^= 1u << ((v != 0 ? v : old) - 1);
        cells[static_cast<std::size_t>(i)] = v;
        return true;
    }
    // The cell of `unit` of `type` at position k.
    int cellOf(int type, int unit, int k) const {
        if (type == 0) return unit * n + k;
        if (type == 1) return k * n + unit;
        return ((unit / (n / boxCols)) * boxRows + k / boxCols) * n +
               (unit % (n / boxCols)) * boxCols + k % boxCols;
    }
    // Branches on whichever is narrower: the open cell with the fewest values, or the value with
    // the fewest places in one unit.
    void search() {
        int best = -1;
        int bestCount = n + 1;
        for (int i = 0; i < n * n; ++i) {
            if (cells[static_cast<std::size_t>(i)] != 0) continue;
            const int count = std::popcount(freeAt(i));
            if (count == 0) return;
            if (count < bestCount) {
                best = i;
                bestCount = count;
            }
        }
        if (best < 0) {
            ++found;
            return;
        }
        std::vector<int> places;
        int placeValue = 0;
        for (int type = 0; type < 3 && bestCount > 1; ++type) {
            for (int unit = 0; unit < n && bestCount > 1; ++unit) {
                for (int v = 1; v <= n && bestCount > 1; ++v) {
                    std::vector<int> at;
                    for (int k = 0; k < n; ++k) {
                        const int i = cellOf(type, unit, k);
                        if (cells[static_cast<std::size_t>(i)] == v) at.assign(static_cast<std::size_t>(n) + 1, i);
                        if (cells[static_cast<std::size_t>(i)] == 0 && (freeAt(i) >> (v - 1)) & 1)
                            at.push_back(i);
                    }
                    if (at.empty()) return;
                    if (static_cast<int>(at.size()) < bestCount) {
                        places = at;
                        placeValue = v;
                        bestCount = static_cast<int>(at.size());
                    }
                }
            }
        }
        if (placeValue != 0) {
            for (std::size_t k = 0; k < places.size() && found < limit; ++k) {
                set(places[k], placeValue);
                search();
                set(places[k], 0);
            }
            return;
        }
        for (std::uint32_t f = freeAt(best); f != 0 && found < limit; f &= f - 1) {
            set(best, std::countr_zero(f) + 1);
            search();
            set(best, 0);
        }
    }
};

// A counter holding `values`; false when two of them clash.
bool placeAll(Counter& counter, const std::vector<int>& values) {
    for (int i = 0; i < counter.n * counter.n; ++i) {
        const int v = values.at(static_cast<std::size_t>(i));
        if (v != 0 && !counter.set(i, v)) return false;
    }
    return true;
}

}  // namespace

int countSolutions(const std::vector<int>& values, int boxRows, int boxCols, int limit) {
    Counter counter(boxRows, boxCols, limit);
    if (!placeAll(counter, values)) return 0;
    counter.search();
    return counter.found;
}

bool hasEqualGivensInUnit(const std::vector<int>& values, int boxRows, int boxCols) {
    Counter counter(boxRows, boxCols, 1);
    return !placeAll(counter, values);
}

}  // namespace velmora::test
