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

    void search() {
        if (found >= limit) return;
        // The empty cell with the fewest possible values.
        int best = -1;
        std::uint32_t bestFree = 0;
        int bestCount = n + 1;
        for (int i = 0; i < n * n; ++i) {
            if (cells[i] != 0) continue;
            const int r = i / n, c = i % n;
            const std::uint32_t used = rows[r] | cols[c] | boxes[boxOf(r, c)];
            const std::uint32_t free = ~used & ((1u << n) - 1);
            const int count = std::popcount(free);
            if (count < bestCount) {
                best = i;
                bestFree = free;
                bestCount = count;
                if (count <= 1) break;
            }
        }
        if (best < 0) {
            ++found;
            return;
        }
        for (std::uint32_t f = bestFree; f != 0 && found < limit; f &= f - 1) {
            place(best, std::countr_zero(f) + 1);
            search();
            unplace(best);
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
