// The depth-first search of ExactSolver for every shape but 9x9 (band_search.h), compiled once per
// box shape so that every loop over rows, values and boxes has a fixed length.
//
// A level of the search stack holds, for every value v and row r, the columns of row r where v
// may still go (bit c for column c), at [v * N + r]. A placed cell keeps only the bit of its own
// value, so an open cell without candidates shows as a column missing from the union of its
// row's masks, and a value without a place in a unit as an empty mask. Then come the columns of
// each row that hold a placed value; for each value the rows, the columns and the boxes where it
// is placed; the number of open cells; and the values whose masks have changed since the last
// look for their hidden singles, and for their locked candidates.
#pragma once

#include <array>
#include <bit>
#include <cstdint>
#include <cstring>
#include <span>

#include "exact/exact_solver.h"
#include "exact/unrolled.h"

namespace velmora::exact_detail {

inline bool single(std::uint32_t mask) {
    return (mask & (mask - 1)) == 0;
}

// Locked candidates pay for themselves only on large grids, whose search trees they prune; on
// 9x9 they halve the guesses but cost more time than they save.
inline constexpr int kLockedFrom = 12;

template <int BoxRows, int BoxCols>
class Search {
  public:
    static constexpr int N = BoxRows * BoxCols;
    static constexpr std::size_t kN = N;
    static constexpr std::size_t kStride = N * N + 4 * N + 3;
    static constexpr std::size_t kLevels = N * N + 1;
    static constexpr std::uint32_t kAll = (1u << N) - 1;
    static constexpr bool kLocked = N >= kLockedFrom;

    // `stack` holds kLevels * kStride words, `branches` 3 * kLevels bytes.
    Search(std::uint32_t* stack, std::uint8_t* branches) : stack_(stack), branches_(branches) {}

    // Places the givens into level 0; false when they contradict each other or what follows
    // from them at once.
    bool load(std::span<const int> givens) {
        std::uint32_t* g = stack_;
        std::fill_n(g, N * N, kAll);
        std::fill_n(g + N * N, 4 * N, 0u);
        g[kOpen] = N * N;
        g[kDirty] = kAll;
        g[kLockedDirty] = kAll;
        for (int r = 0; r < N; ++r) {
            for (int c = 0; c < N; ++c) {
                const int v = givens[static_cast<std::size_t>(r * N + c)];
                if (v != 0 && !tryPlace(g, v - 1, r, c)) return false;
            }
        }
        return true;
    }

    // Counts from the loaded givens on; see ExactSolver::count. With `tally` (N counters) every
    // solution found adds one to the counter of the value it has in cell `tallyCell`.
    void run(int limit, std::int64_t budget, SolutionCount& result, int tallyCell = 0,
             int* tally = nullptr) {
        int level = 0;
        State state = propagate(stack_);
        // Each level tries the branch value of its branch cell one level up and, once that is
        // done, rules the value out and goes on at the same level; every level above the first
        // has one more placed cell, so the stack never exceeds N*N + 1 levels.
        for (;;) {
            std::uint32_t* g = at(level);
            if (state == State::kSolved) {
                if (result.solutions++ == 0) writeSolution(g, result.firstSolution);
                if (tally != nullptr) ++tally[firstValueAt(g, tallyCell / N, tallyCell % N)];
                if (result.solutions >= limit) {
                    result.limitReached = true;
                    return;
                }
                state = State::kContradiction;
            }
            if (state == State::kOpen) {
                if (budget != ExactSolver::kNoBudget && result.guesses >= budget) {
                    result.budgetExhausted = true;
                    return;
                }
                ++result.guesses;
                int v = 0;
                int r = 0;
                int c = 0;
                branch(g, v, r, c);
                std::uint8_t* b = branches_ + 3 * level;
                b[0] = static_cast<std::uint8_t>(v);
                b[1] = static_cast<std::uint8_t>(r);
                b[2] = static_cast<std::uint8_t>(c);
                std::memcpy(g + kStride, g, kStride * sizeof(std::uint32_t));
                ++level;
                place(g + kStride, v, r, c);
                state = propagate(g + kStride);
                continue;
            }
            if (level == 0) return;
            --level;
            const std::uint8_t* b = branches_ + 3 * level;
            at(level)[b[0] * N + b[1]] &= ~(1u << b[2]);
            at(level)[kDirty] |= 1u << b[0];
            at(level)[kLockedDirty] |= 1u << b[0];
            state = propagate(at(level));
        }
    }

  private:
    enum class State { kOpen, kSolved, kContradiction };
    static constexpr std::size_t kSolvedAt = N * N;
    static constexpr std::size_t kRowsDone = N * N + N;
    static constexpr std::size_t kColsDone = N * N + 2 * N;
    static constexpr std::size_t kBoxesDone = N * N + 3 * N;
    static constexpr std::size_t kOpen = N * N + 4 * N;
    static constexpr std::size_t kDirty = N * N + 4 * N + 1;
    static constexpr std::size_t kLockedDirty = N * N + 4 * N + 2;

    std::uint32_t* at(int level) const {
        return stack_ + static_cast<std::size_t>(level) * kStride;
    }

    // The columns of column c's box.
    static constexpr std::array<std::uint32_t, kN> kStacks = [] {
        std::array<std::uint32_t, kN> stacks{};
        for (int c = 0; c < N; ++c) {
            stacks[static_cast<std::size_t>(c)] = ((1u << BoxCols) - 1) << (c / BoxCols * BoxCols);
        }
        return stacks;
    }();
    static std::uint32_t stackOf(int c) { return kStacks[static_cast<std::size_t>(c)]; }

    // Value v (0-based) into row r, column c: the cell loses its other values, the row, the
    // column and the box lose v elsewhere.
    static void place(std::uint32_t* g, int v, int r, int c) {
        const std::uint32_t bit = 1u << c;
        std::uint32_t lost = 0;
        unrolled<N>([&](auto w) {
            lost |= (g[w * N + r] >> c & 1u) << w;
            g[w * N + r] &= ~bit;
        });
        g[kDirty] |= lost;
        g[kLockedDirty] |= lost;
        std::uint32_t* gv = g + v * N;
        unrolled<N>([&](auto row) { gv[row] &= ~bit; });
        const int first = r / BoxRows * BoxRows;
        for (int k = 0; k < BoxRows; ++k) {
            gv[first + k] &= ~stackOf(c);
        }
        gv[r] = bit;
        g[kSolvedAt + static_cast<std::size_t>(r)] |= bit;
        g[kRowsDone + static_cast<std::size_t>(v)] |= 1u << r;
        g[kColsDone + static_cast<std::size_t>(v)] |= bit;
        g[kBoxesDone + static_cast<std::size_t>(v)] |= 1u << (r / BoxRows * BoxRows + c / BoxCols);
        --g[kOpen];
    }

    // Places a value found forced; false when it can no longer go there. A cell that already
    // holds it is left alone.
    static bool tryPlace(std::uint32_t* g, int v, int r, int c) {
        const std::uint32_t bit = 1u << c;
        if ((g[v * N + r] & bit) == 0) return false;
        if ((g[kSolvedAt + static_cast<std::size_t>(r)] & bit) == 0) place(g, v, r, c);
        return true;
    }

    // The row of column bit `bit` where value row masks `gv` still have it, or -1.
    static int rowWith(const std::uint32_t* gv, std::uint32_t bit, int first, int count) {
        for (int row = first; row < first + count; ++row) {
            if ((gv[row] & bit) != 0) return row;
        }
        return -1;
    }

    // Cells with one value left, row by row; false on a cell with none.
    static bool nakedSingles(std::uint32_t* g) {
        for (int r = 0; r < N; ++r) {
            if (g[kSolvedAt + static_cast<std::size_t>(r)] == kAll) continue;
            std::uint32_t once = 0;
            std::uint32_t twice = 0;
            unrolled<N>([&](auto w) {
                const std::uint32_t m = g[w * N + r];
                twice |= once & m;
                once |= m;
            });
            if (once != kAll) return false;
            for (std::uint32_t s = once & ~twice & ~g[kSolvedAt + static_cast<std::size_t>(r)];
                 s != 0; s &= s - 1) {
                const std::uint32_t bit = s & (~s + 1);
                int v = 0;
                while (v < N && (g[v * N + r] & bit) == 0)
                    ++v;
                if (v == N) return false;
                place(g, v, r, std::countr_zero(bit));
            }
        }
        return true;
    }

    // Values with one place left in a row, a column or a box; false on a value with none. Masks
    // read before a placement of this pass may be stale, but only ever too large, so a value
    // they show with one place has at most that one, and one with none has none.
    static bool hiddenSingles(std::uint32_t* g) {
        for (std::uint32_t dirty = g[kDirty]; dirty != 0; dirty &= dirty - 1) {
            const int v = std::countr_zero(dirty);
            g[kDirty] &= ~(1u << v);
            const std::uint32_t rowsDone = g[kRowsDone + static_cast<std::size_t>(v)];
            if (rowsDone == kAll) continue;
            std::uint32_t* gv = g + v * N;
            for (std::uint32_t rows = ~rowsDone & kAll; rows != 0; rows &= rows - 1) {
                const int r = std::countr_zero(rows);
                const std::uint32_t m = gv[r];
                if (m == 0) return false;
                if (single(m)) place(g, v, r, std::countr_zero(m));
            }
            std::uint32_t once = 0;
            std::uint32_t twice = 0;
            unrolled<N>([&](auto r) {
                twice |= once & gv[r];
                once |= gv[r];
            });
            if (once != kAll) return false;
            for (std::uint32_t s = once & ~twice & ~g[kColsDone + static_cast<std::size_t>(v)];
                 s != 0; s &= s - 1) {
                const std::uint32_t bit = s & (~s + 1);
                const int r = rowWith(gv, bit, 0, N);
                if (r < 0) return false;
                place(g, v, r, std::countr_zero(bit));
            }
            const std::uint32_t boxesDone = g[kBoxesDone + static_cast<std::size_t>(v)];
            bool ok = true;
            unrolled<N / BoxRows>([&](auto band) {
                constexpr int first = band * BoxRows;
                std::uint32_t inBand = 0;
                std::uint32_t twiceInBand = 0;
                unrolled<BoxRows>([&](auto k) {
                    twiceInBand |= inBand & gv[first + k];
                    inBand |= gv[first + k];
                });
                unrolled<N / BoxCols>([&](auto stack) {
                    constexpr std::uint32_t box = ((1u << BoxCols) - 1) << (stack * BoxCols);
                    const std::uint32_t in = inBand & box;
                    ok &= in != 0;
                    if (in == 0 || (boxesDone >> (first + stack) & 1u) != 0) return;
                    if ((twiceInBand & box) != 0 || !single(in)) return;
                    const int r = rowWith(gv, in, first, BoxRows);
                    if (r < 0) {
                        ok = false;
                        return;
                    }
                    place(g, v, r, std::countr_zero(in));
                });
            });
            if (!ok) return false;
        }
        return true;
    }

    // Where a box meets a row or a column: a value confined to the meeting cells in one of the
    // two is taken from the rest of the other. True when any candidate went.
    static bool lockedCandidates(std::uint32_t* g) {
        bool changed = false;
        for (std::uint32_t dirty = g[kLockedDirty]; dirty != 0; dirty &= dirty - 1) {
            const int v = std::countr_zero(dirty);
            g[kLockedDirty] &= ~(1u << v);
            if (g[kRowsDone + static_cast<std::size_t>(v)] == kAll) continue;
            const std::uint32_t boxesDone = g[kBoxesDone + static_cast<std::size_t>(v)];
            std::uint32_t* gv = g + v * N;
            const std::uint32_t before = changedMask(gv);
            std::uint32_t onceBands = 0;
            std::uint32_t twiceBands = 0;
            for (int first = 0; first < N; first += BoxRows) {
                std::uint32_t band = 0;
                for (int k = 0; k < BoxRows; ++k)
                    band |= gv[first + k];
                twiceBands |= onceBands & band;
                onceBands |= band;
                for (int c = 0; c < N; c += BoxCols) {
                    if ((boxesDone >> (first + c / BoxCols) & 1u) != 0) continue;
                    const std::uint32_t box = stackOf(c);
                    int rowsIn = 0;
                    int lastRow = 0;
                    for (int k = 0; k < BoxRows; ++k) {
                        const std::uint32_t m = gv[first + k];
                        if ((m & box) != 0) {
                            ++rowsIn;
                            lastRow = first + k;
                        }
                        // The row's places all in this box: the box's other rows lose v.
                        if (m != 0 && (m & ~box) == 0) {
                            for (int j = 0; j < BoxRows; ++j) {
                                if (j != k) gv[first + j] &= ~box;
                            }
                        }
                    }
                    // The box's places all in one row or one column: the rest of it loses v.
                    if (rowsIn == 1) gv[lastRow] &= box;
                    const std::uint32_t cols = band & box;
                    if (cols != 0 && single(cols)) {
                        for (int r = 0; r < N; ++r) {
                            if (r < first || r >= first + BoxRows) gv[r] &= ~cols;
                        }
                    }
                }
            }
            // A column whose places all lie in one band: the box's other columns there lose v.
            const std::uint32_t colsDone = g[kColsDone + static_cast<std::size_t>(v)];
            for (std::uint32_t alone = onceBands & ~twiceBands & ~colsDone; alone != 0;
                 alone &= alone - 1) {
                const std::uint32_t bit = alone & (~alone + 1);
                const int r = rowWith(gv, bit, 0, N);
                if (r < 0) continue;
                const int first = r / BoxRows * BoxRows;
                for (int k = 0; k < BoxRows; ++k) {
                    gv[first + k] &= ~(stackOf(std::countr_zero(bit)) & ~bit);
                }
            }
            if (changedMask(gv) != before) {
                g[kDirty] |= 1u << v;
                g[kLockedDirty] |= 1u << v;
                changed = true;
            }
        }
        return changed;
    }

    // A checksum of a value's masks: they only ever lose bits, so any loss changes it.
    static std::uint32_t changedMask(const std::uint32_t* gv) {
        std::uint32_t sum = 0;
        for (int r = 0; r < N; ++r)
            sum += gv[r];
        return sum;
    }

    static State propagate(std::uint32_t* g) {
        for (;;) {
            if (!nakedSingles(g)) return State::kContradiction;
            if (g[kOpen] == 0) return State::kSolved;
            if (g[kDirty] == 0 && !(kLocked && lockedCandidates(g))) return State::kOpen;
            if (!hiddenSingles(g)) return State::kContradiction;
        }
    }

    // The branch: of the open cells with two values, the one with the most two-value cells among
    // the cells it sees that share one of its values (such chains settle together, which prunes
    // the search trees of large grids several times over), else a cell with the fewest values;
    // and its lowest value v. The two sides are "v at (row, col)" and "not there".
    static void branch(const std::uint32_t* g, int& value, int& row, int& col) {
        std::array<std::uint32_t, kN> pairs{};
        std::uint32_t any = 0;
        for (int r = 0; r < N; ++r) {
            std::uint32_t once = 0;
            std::uint32_t twice = 0;
            std::uint32_t more = 0;
            for (int w = 0; w < N; ++w) {
                const std::uint32_t m = g[w * N + r];
                more |= twice & m;
                twice |= once & m;
                once |= m;
            }
            pairs[static_cast<std::size_t>(r)] =
                twice & ~more & ~g[kSolvedAt + static_cast<std::size_t>(r)];
            any |= pairs[static_cast<std::size_t>(r)];
        }
        if (any != 0) {
            linkedPair(g, pairs, row, col);
        } else {
            fewestValues(g, row, col);
        }
        value = firstValueAt(g, row, col);
    }

    // Of the two-value cells (`pairs`, by row), the one whose peers hold most often one of its
    // values among their two. Counted per value and unit first, so that each cell's count is a
    // sum: peers in the row, the column and the box, less the cells met twice.
    static void linkedPair(const std::uint32_t* g, const std::array<std::uint32_t, kN>& pairs,
                           int& row, int& col) {
        constexpr int kAcross = N / BoxCols;  // boxes side by side in a band
        constexpr int kDown = N / BoxRows;    // bands
        // Per value: two-value cells holding it in each row, column, box, row of a box and
        // column of a box.
        std::array<std::uint8_t, kN * kN> inRow{};
        std::array<std::uint8_t, kN * kN> inCol{};
        std::array<std::uint8_t, kN * kN> inBox{};
        std::array<std::uint8_t, kN * kN * std::size_t{kAcross}> inRowOfBox{};
        std::array<std::uint8_t, kN * kN * std::size_t{kDown}> inColOfBox{};
        struct Pair {
            std::uint16_t at[2][5];  // per value: its row, column, box, row of box, column of box
            std::uint8_t row;
            std::uint8_t col;
        };
        std::array<Pair, kN * kN> found;
        std::size_t count = 0;
        for (int r = 0; r < N; ++r) {
            for (std::uint32_t m = pairs[static_cast<std::size_t>(r)]; m != 0; m &= m - 1) {
                const int c = std::countr_zero(m);
                std::uint32_t values = 0;
                unrolled<N>([&](auto w) { values |= (g[w * N + r] >> c & 1u) << w; });
                Pair& p = found[count++];
                p.row = static_cast<std::uint8_t>(r);
                p.col = static_cast<std::uint8_t>(c);
                for (int side = 0; side < 2; ++side, values &= values - 1) {
                    const int w = std::countr_zero(values);
                    const int at[5] = {
                        w * N + r, w * N + c, w * N + r / BoxRows * BoxRows + c / BoxCols,
                        (w * N + r) * kAcross + c / BoxCols, (w * N + c) * kDown + r / BoxRows};
                    for (int u = 0; u < 5; ++u)
                        p.at[side][u] = static_cast<std::uint16_t>(at[u]);
                    ++inRow[p.at[side][0]];
                    ++inCol[p.at[side][1]];
                    ++inBox[p.at[side][2]];
                    ++inRowOfBox[p.at[side][3]];
                    ++inColOfBox[p.at[side][4]];
                }
            }
        }
        int best = -1;
        for (std::size_t k = 0; k < count; ++k) {
            const Pair& p = found[k];
            int linked = 0;
            for (const auto& at : p.at) {
                // The cell itself is in all five counts: +3 - 2 leaves 1, taken off too.
                linked += inRow[at[0]] + inCol[at[1]] + inBox[at[2]] - inRowOfBox[at[3]] -
                          inColOfBox[at[4]] - 1;
            }
            if (linked > best) {
                best = linked;
                row = p.row;
                col = p.col;
            }
        }
    }

    static void fewestValues(const std::uint32_t* g, int& row, int& col) {
        int fewest = N + 1;
        for (int r = 0; r < N; ++r) {
            for (int c = 0; c < N; ++c) {
                if ((g[kSolvedAt + static_cast<std::size_t>(r)] >> c & 1u) != 0) continue;
                int count = 0;
                for (int w = 0; w < N; ++w)
                    count += static_cast<int>(g[w * N + r] >> c & 1u);
                if (count < fewest) {
                    fewest = count;
                    row = r;
                    col = c;
                }
            }
        }
    }

    static int firstValueAt(const std::uint32_t* g, int r, int c) {
        int v = 0;
        while ((g[v * N + r] >> c & 1u) == 0)
            ++v;
        return v;
    }

    static void writeSolution(const std::uint32_t* g, std::vector<int>& values) {
        values.assign(N * N, 0);
        for (int v = 0; v < N; ++v) {
            for (int r = 0; r < N; ++r) {
                for (std::uint32_t m = g[v * N + r]; m != 0; m &= m - 1) {
                    values[static_cast<std::size_t>(r * N + std::countr_zero(m))] = v + 1;
                }
            }
        }
    }

    std::uint32_t* stack_;
    std::uint8_t* branches_;
};

}  // namespace velmora::exact_detail
