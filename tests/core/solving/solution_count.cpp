#include "solving/solution_count.h"

#include <bit>
#include <cstdint>

namespace velmora::test {

namespace {

struct Counter {
    int n;
    int boxRows;
    int boxCols;
    int limit;
    std::vector<int> cells;
    std::vector<std::uint32_t> rows, cols, boxes;  // values used, bit v-1
    int found = 0;

    int boxOf(int r, int c) const { return (r / boxRows) * (n / boxCols) + c / boxCols; }

    bool place(int i, int v) {
        const int r = i / n, c = i % n, b = boxOf(r, c);
        const std::uint32_t bit = 1u << (v - 1);
        if ((rows[r] | cols[c] | boxes[b]) & bit) return false;
        rows[r] |= bit;
        cols[c] |= bit;
        boxes[b] |= bit;
        cells[i] = v;
        return true;
    }
    void unplace(int i) {
        const int r = i / n, c = i % n, b = boxOf(r, c);
        const std::uint32_t bit = 1u << (cells[i] - 1);
        rows[r] &= ~bit;
        cols[c] &= ~bit;
        boxes[b] &= ~bit;
        cells[i] = 0;
    }

    std::uint32_t freeAt(int i) const {
        const int r = i / n, c = i % n;
        return ~(rows[r] | cols[c] | boxes[boxOf(r, c)]) & ((1u << n) - 1);
    }
    int cellOfUnit(int type, int unit, int k) const {
        if (type == 0) return unit * n + k;
        if (type == 1) return k * n + unit;
        const int r = (unit / (n / boxCols)) * boxRows + k / boxCols;
        const int c = (unit % (n / boxCols)) * boxCols + k % boxCols;
        return r * n + c;
    }

    // Branches on whichever is narrower: the open cell with the fewest values, or the value
    // with the fewest places in one unit.
    void search() {
        if (found >= limit) return;
        int bestCell = -1;
        std::uint32_t bestFree = 0;
        int bestCount = n + 1;
        for (int i = 0; i < n * n; ++i) {
            if (cells[i] != 0) continue;
            const std::uint32_t free = freeAt(i);
            const int count = std::popcount(free);
            if (count == 0) return;
            if (count < bestCount) {
                bestCell = i;
                bestFree = free;
                bestCount = count;
            }
        }
        if (bestCell < 0) {
            ++found;
            return;
        }
        int placeCount = n + 1;
        int placeValue = 0;
        std::vector<int> places;
        if (bestCount > 1) {
            for (int type = 0; type < 3 && placeCount > 1; ++type) {
                for (int unit = 0; unit < n && placeCount > 1; ++unit) {
                    std::uint32_t used = 0;
                    std::vector<std::uint32_t> free(static_cast<std::size_t>(n));
                    for (int k = 0; k < n; ++k) {
                        const int i = cellOfUnit(type, unit, k);
                        if (cells[i] != 0) used |= 1u << (cells[i] - 1);
                        free[k] = cells[i] != 0 ? 0 : freeAt(i);
                    }
                    for (int v = 1; v <= n; ++v) {
                        if (used & (1u << (v - 1))) continue;
                        std::vector<int> at;
                        for (int k = 0; k < n; ++k)
                            if (free[k] & (1u << (v - 1))) at.push_back(cellOfUnit(type, unit, k));
                        if (at.empty()) return;
                        if (static_cast<int>(at.size()) < placeCount) {
                            placeCount = static_cast<int>(at.size());
                            placeValue = v;
                            places = at;
                        }
                    }
                }
            }
        }
        if (placeCount < bestCount) {
            for (const int i : places) {
                if (found >= limit) return;
                place(i, placeValue);
                search();
                unplace(i);
            }
            return;
        }
        for (std::uint32_t f = bestFree; f != 0 && found < limit; f &= f - 1) {
            place(bestCell, std::countr_zero(f) + 1);
            search();
            unplace(bestCell);
        }
    }
};

}  // namespace

int countSolutions(const std::vector<int>& values, int boxRows, int boxCols, int limit) {
    const int n = boxRows * boxCols;
    Counter counter{n,
                    boxRows,
                    boxCols,
                    limit,
                    std::vector<int>(static_cast<std::size_t>(n * n), 0),
                    std::vector<std::uint32_t>(static_cast<std::size_t>(n), 0),
                    std::vector<std::uint32_t>(static_cast<std::size_t>(n), 0),
                    std::vector<std::uint32_t>(static_cast<std::size_t>(n), 0)};
    for (int i = 0; i < n * n; ++i) {
        const int v = values.at(static_cast<std::size_t>(i));
        if (v != 0 && !counter.place(i, v)) return 0;
    }
    counter.search();
    return counter.found;
}

bool hasEqualGivensInUnit(const std::vector<int>& values, int boxRows, int boxCols) {
    const int n = boxRows * boxCols;
    Counter counter{n,
                    boxRows,
                    boxCols,
                    1,
                    std::vector<int>(static_cast<std::size_t>(n * n), 0),
                    std::vector<std::uint32_t>(static_cast<std::size_t>(n), 0),
                    std::vector<std::uint32_t>(static_cast<std::size_t>(n), 0),
                    std::vector<std::uint32_t>(static_cast<std::size_t>(n), 0)};
    for (int i = 0; i < n * n; ++i) {
        const int v = values.at(static_cast<std::size_t>(i));
        if (v != 0 && !counter.place(i, v)) return true;
    }
    return false;
}

}  // namespace velmora::test
