#include "solution_count.h"

#include <algorithm>
#include <array>
#include <bit>
#include <cstdint>

namespace velmora::test {

namespace {

// Backtracking that branches on a value with one place left in a unit, or else on the open cell
// with the fewest values left.
struct Counter {
    int n, limit, found = 0;
    std::vector<int> cells;                   // 0 for an open cell
    std::vector<std::array<int, 3>> unitsOf;  // each cell's row, column and box
    std::vector<std::vector<int>> members;    // each unit's cells
    std::vector<std::uint32_t> used;          // each unit's values, bit v-1

    Counter(int rows, int cols, int most)
        : n(rows * cols),
          limit(most),
          cells(std::size_t(n * n)),
          unitsOf(cells.size()),
          members(std::size_t(3 * n)),
          used(members.size()) {
        for (int i = 0; i < n * n; ++i) {
            const int r = i / n, c = i % n;
            unitsOf[std::size_t(i)] = {r, n + c, 2 * n + r / rows * rows + c / cols};
            for (const int u : unitsOf[std::size_t(i)])
                members[std::size_t(u)].push_back(i);
        }
    }
    std::uint32_t freeAt(int i) const {
        std::uint32_t taken = 0;
        for (const int u : unitsOf[std::size_t(i)])
            taken |= used[std::size_t(u)];
        return ~taken & ((1u << n) - 1);
    }
    // Puts v into open cell i, or (v = 0) empties it; false when v clashes.
    bool set(int i, int v) {
        const int bit = v != 0 ? v : cells[std::size_t(i)];
        if (v != 0 && ((freeAt(i) >> (v - 1)) & 1u) == 0) return false;
        for (const int u : unitsOf[std::size_t(i)])
            used[std::size_t(u)] ^= 1u << (bit - 1);
        cells[std::size_t(i)] = v;
        return true;
    }
    void tryEach(int i, std::uint32_t values) {
        for (; values != 0 && found < limit; values &= values - 1) {
            set(i, std::countr_zero(values) + 1);
            search();
            set(i, 0);
        }
    }
    void search() {
        int best = -1;
        for (int i = 0; i < n * n; ++i) {
            if (cells[std::size_t(i)] != 0) continue;
            if (freeAt(i) == 0) return;
            if (best < 0 || std::popcount(freeAt(i)) < std::popcount(freeAt(best))) best = i;
        }
        if (best < 0) {
            ++found;
            return;
        }
        for (int u = 0; u < 3 * n; ++u) {
            std::array<int, 18> places{}, last{};
            for (const int i : members[std::size_t(u)])
                for (std::uint32_t f = cells[std::size_t(i)] ? 0 : freeAt(i); f; f &= f - 1) {
                    ++places[std::size_t(std::countr_zero(f))];
                    last[std::size_t(std::countr_zero(f))] = i;
                }
            for (int v = 0; v < n; ++v) {
                if ((used[std::size_t(u)] >> v) & 1u) continue;
                if (places[std::size_t(v)] == 0) return;
                if (places[std::size_t(v)] == 1) return tryEach(last[std::size_t(v)], 1u << v);
            }
        }
        tryEach(best, freeAt(best));
    }
};

}  // namespace

int countSolutions(const std::vector<int>& values, int boxRows, int boxCols, int limit) {
    Counter counter(boxRows, boxCols, limit);
    for (int i = 0; i < counter.n * counter.n; ++i)
        if (values.at(std::size_t(i)) != 0 && !counter.set(i, values.at(std::size_t(i)))) return 0;
    counter.search();
    return counter.found;
}

bool isSolution(const std::vector<int>& values, int boxRows, int boxCols) {
    return std::count(values.begin(), values.end(), 0) == 0 &&
           countSolutions(values, boxRows, boxCols) == 1;
}

}  // namespace velmora::test
