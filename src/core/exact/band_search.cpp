#include "exact/band_search.h"

#include <algorithm>
#include <array>
#include <bit>
#include <cstring>
#include <vector>

#include "exact/bit_count.h"
#include "exact/unrolled.h"

namespace velmora::exact_detail {

namespace {

constexpr std::uint32_t kFull = (1u << 27) - 1;
// Copies a 9-bit mask of mini-rows (row * 3 + box) into the three column-in-box fields.
constexpr std::uint32_t kSpread = 1u | 1u << 9 | 1u << 18;
// Row 0 of a band; row r is this shifted by 3 * r.
constexpr std::uint32_t kRow0 = 7u * kSpread;
// Column 0 of a band's first box; (x >> 3r) * kDown for a bit x of row r is x's column.
constexpr std::uint32_t kDown = 1u | 1u << 3 | 1u << 6;

// Where value v's word of band b lies in a level, and its bit in the masks of changed words.
constexpr std::size_t slot(int v, int b) {
    return static_cast<std::size_t>(4 * v + b);
}
// A set of value words, bit slot(v, b) for each.
using Words = std::uint64_t;
constexpr Words kAllWords = 0x777777777u;
constexpr std::size_t kPlaced = 36;  // three words: the placed cells of each band

enum class State { kOpen, kSolved, kContradiction };

// For the nine meetings of three lines and three boxes where a value may still go (bit line * 3
// + box), those on some way of giving each line and each box one place: the lines go to the
// boxes one to one. 0 when there is no such way. Serves the rows of a band against its boxes
// and the bands of a stack against its columns alike.
constexpr std::array<std::uint16_t, 512> kOneToOne = [] {
    constexpr int kOrders[6][3] = {{0, 1, 2}, {0, 2, 1}, {1, 0, 2},
                                   {1, 2, 0}, {2, 0, 1}, {2, 1, 0}};
    std::array<std::uint16_t, 512> allowed{};
    for (unsigned pattern = 0; pattern < 512; ++pattern) {
        unsigned ways = 0;
        for (const auto& order : kOrders) {
            const unsigned way = 1u << order[0] | 1u << (3 + order[1]) | 1u << (6 + order[2]);
            if ((pattern & way) == way) ways |= way;
        }
        allowed[pattern] = static_cast<std::uint16_t>(ways);
    }
    return allowed;
}();

// kOneToOne for a band word's mini-rows, spread back over the word: the cells it keeps.
constexpr std::array<std::uint32_t, 512> kKeep = [] {
    std::array<std::uint32_t, 512> keep{};
    for (std::size_t pattern = 0; pattern < 512; ++pattern) {
        keep[pattern] = kOneToOne[pattern] * kSpread;
    }
    return keep;
}();

// The bit of a cell (row * 9 + col) in its band's word.
constexpr std::array<std::uint8_t, 81> kBitOfCell = [] {
    std::array<std::uint8_t, 81> bits{};
    for (int cell = 0; cell < 81; ++cell) {
        const int row = cell / 9 % 3;
        const int col = cell % 9;
        bits[static_cast<std::size_t>(cell)] =
            static_cast<std::uint8_t>(col % 3 * 9 + row * 3 + col / 3);
    }
    return bits;
}();

// The row of a band word's bit, as the mask of that row.
constexpr std::array<std::uint32_t, 27> kRowOfBit = [] {
    std::array<std::uint32_t, 27> rows{};
    for (int bit = 0; bit < 27; ++bit) {
        rows[static_cast<std::size_t>(bit)] = kRow0 << (bit % 9 / 3 * 3);
    }
    return rows;
}();

// The row, the column and the box of a cell as bits 0-8, 9-17 and 18-26.
constexpr std::array<std::uint32_t, 81> kUnitsOfCell = [] {
    std::array<std::uint32_t, 81> units{};
    for (int cell = 0; cell < 81; ++cell) {
        const int row = cell / 9;
        const int col = cell % 9;
        units[static_cast<std::size_t>(cell)] =
            1u << row | 1u << (9 + col) | 1u << (18 + row / 3 * 3 + col / 3);
    }
    return units;
}();

// The cell of a band word's bit, counted from the band's first cell.
constexpr std::array<std::uint8_t, 27> kCellOfBit = [] {
    std::array<std::uint8_t, 27> cells{};
    for (int cell = 0; cell < 27; ++cell) {
        cells[kBitOfCell[static_cast<std::size_t>(cell)]] = static_cast<std::uint8_t>(cell);
    }
    return cells;
}();

// The cells of each row of `word` that is down to one cell.
inline std::uint32_t lastInRow(std::uint32_t word) {
    std::uint32_t last = 0;
    unrolled<3>([&](auto r) {
        const std::uint32_t x = word & kRow0 << (3 * r);
        last |= (x & (x - 1)) == 0 ? x : 0;
    });
    return last;
}

// Follows up a change of value v's word of band b: mini-rows off every one-to-one way of rows
// to boxes go, and each row of the band left with one cell gets v there: its column leaves v's
// other bands and the cell leaves the other values. False when no way is left.
inline bool updateWord(std::uint32_t* g, int v, int b, Words& pending) {
    const std::size_t at = slot(v, b);
    const std::uint32_t keep = kKeep[(g[at] | g[at] >> 9 | g[at] >> 18) & 511u];
    if (keep == 0) return false;
    const std::uint32_t word = g[at] & keep;
    const std::uint32_t fresh = lastInRow(word) & ~g[kPlaced + static_cast<std::size_t>(b)];
    if (fresh == 0) {
        g[at] = word;
        return true;
    }
    g[kPlaced + static_cast<std::size_t>(b)] |= fresh;
    const std::uint32_t columns = ((fresh | fresh >> 3 | fresh >> 6) & kRow0) * kDown;
    // What changed, first with shifts known at compile time: bands of v at bits 0-2, values
    // of band b at bits 4 * u.
    std::uint32_t bands = 0;
    std::uint32_t* mine = g + slot(v, 0);
    unrolled<3>([&](auto c) {
        const std::uint32_t old = mine[c];
        mine[c] = old & ~columns;
        bands |= static_cast<std::uint32_t>((old & columns) != 0) << c;
    });
    Words values = 0;
    std::uint32_t* band = g + slot(0, b);
    unrolled<9>([&](auto u) {
        const std::uint32_t old = band[4 * u];
        band[4 * u] = old & ~fresh;
        values |= Words{(old & fresh) != 0} << (4 * u);
    });
    g[at] = word;
    pending |= ((Words{bands} << (4 * v)) | (values << b)) & ~(Words{1} << at);
    return true;
}

// Cells with one value left: that value's row of the band is cut down to the cell. False on a
// cell with none.
inline bool nakedSingles(std::uint32_t* g, Words& pending) {
    bool ok = true;
    unrolled<3>([&](auto b) {
        std::uint32_t once = 0;
        std::uint32_t twice = 0;
        unrolled<9>([&](auto u) {
            twice |= once & g[slot(u, b)];
            once |= g[slot(u, b)];
        });
        ok &= once == kFull;
        std::uint32_t cells = once & ~twice & ~g[kPlaced + b];
        if (cells == 0) return;
        // The value of a cell that has one, bit by bit.
        const std::uint32_t bit0 = g[slot(1, b)] | g[slot(3, b)] | g[slot(5, b)] | g[slot(7, b)];
        const std::uint32_t bit1 = g[slot(2, b)] | g[slot(3, b)] | g[slot(6, b)] | g[slot(7, b)];
        const std::uint32_t bit2 = g[slot(4, b)] | g[slot(5, b)] | g[slot(6, b)] | g[slot(7, b)];
        const std::uint32_t bit3 = g[slot(8, b)];
        do {
            const std::uint32_t x = cells & (~cells + 1);
            const int v =
                static_cast<int>((bit0 & x) != 0) | static_cast<int>((bit1 & x) != 0) << 1 |
                static_cast<int>((bit2 & x) != 0) << 2 | static_cast<int>((bit3 & x) != 0) << 3;
            g[slot(v, b)] &= ~kRowOfBit[static_cast<std::size_t>(std::countr_zero(x))] | x;
            pending |= Words{1} << slot(v, b);
            cells &= cells - 1;
        } while (cells != 0);
    });
    return ok;
}

// For the pattern of a stack's bands and columns (bit band * 3 + col) where a value may go, the
// columns each band keeps, at bit col * 9 + band * 3: the band's word layout but for the
// stack, rows standing for bands. 0 when no one-to-one way is left.
constexpr std::array<std::uint32_t, 512> kStackKeeps = [] {
    std::array<std::uint32_t, 512> keeps{};
    for (std::size_t pattern = 0; pattern < 512; ++pattern) {
        const std::uint32_t ways = kOneToOne[pattern];
        keeps[pattern] = (ways & 0x49u) | (ways & 0x92u) << 8 | (ways & 0x124u) << 16;
    }
    return keeps;
}();

// For each stack: its three bands go to its three columns one to one, for every value. A band's
// columns off every such way lose the value. False when a stack has no way for some value.
inline bool stacks(std::uint32_t* g, unsigned values, Words& pending) {
    for (; values != 0; values &= values - 1) {
        const int v = std::countr_zero(values);
        std::uint32_t* words = g + slot(v, 0);
        // Bit col * 9 + band * 3 + stack: the columns where v may go in each band.
        std::uint32_t f = 0;
        unrolled<3>([&](auto b) {
            const std::uint32_t w = words[b];
            f |= ((w | w >> 3 | w >> 6) & kRow0) << (3 * b);
        });
        std::uint32_t keep = 0;
        bool ok = true;
        unrolled<3>([&](auto k) {
            const std::uint32_t y = f >> k & 0x1249249u;
            const std::uint32_t keeps = kStackKeeps[(y | y >> 8 | y >> 16) & 511u];
            ok &= keeps != 0;
            keep |= keeps << k;
        });
        if (!ok) return false;
        Words changed = 0;
        unrolled<3>([&](auto b) {
            const std::uint32_t old = words[b];
            const std::uint32_t now = old & (keep >> (3 * b) & kRow0) * kDown;
            words[b] = now;
            changed |= Words{old != now} << b;
        });
        pending |= changed << slot(v, 0);
    }
    return true;
}

State propagate(std::uint32_t* g, Words pending) {
    // Words changed since the stacks were last looked at.
    Words touched = 0;
    for (;;) {
        while (pending != 0) {
            touched |= pending;
            // The pending words as they stand, one after the other: which word comes next does
            // not wait for what the last one changed, so the processor can start on it early. A
            // word changed again before its turn is followed up once, at its turn.
            for (Words wave = pending; wave != 0; wave &= wave - 1) {
                const int at = std::countr_zero(wave);
                pending &= ~(Words{1} << at);
                if (!updateWord(g, at >> 2, at & 3, pending)) return State::kContradiction;
            }
        }
        if (!nakedSingles(g, pending)) return State::kContradiction;
        if (pending != 0) continue;
        if ((g[kPlaced] & g[kPlaced + 1] & g[kPlaced + 2]) == kFull) return State::kSolved;
        // One bit per value: the values with a touched word.
        Words any = (touched | touched >> 1 | touched >> 2) & 0x111111111u;
        any = (any | any >> 3) & 0x0303030303u;
        any = (any | any >> 6) & 0x000F000F000Fu;
        any = (any | any >> 12) & 0x1000000FFu;
        const auto values = static_cast<unsigned>((any | any >> 24) & 0x1FFu);
        touched = 0;
        if (!stacks(g, values, pending)) return State::kContradiction;
        if (pending == 0) return State::kOpen;
    }
}

// The branch: the open cell with two values that has the most such cells among the cells it
// sees (their values are tied to its own, so a guess there settles most), else an open cell with
// the fewest values; and its lowest value.
void branch(const std::uint32_t* g, int& band, int& value, int& bit) {
    std::array<std::uint32_t, 3> pairs{};
    std::array<std::uint32_t, 3> opens{};
    unrolled<3>([&](auto b) {
        std::uint32_t once = 0;
        std::uint32_t twice = 0;
        std::uint32_t thrice = 0;
        unrolled<9>([&](auto u) {
            thrice |= twice & g[slot(u, b)];
            twice |= once & g[slot(u, b)];
            once |= g[slot(u, b)];
        });
        opens[b] = ~g[kPlaced + b] & kFull;
        pairs[b] = twice & ~thrice & opens[b];
    });
    // Score and place in one key, so that the best is a maximum without a branch.
    int best = -1;
    for (int b = 0; b < 3; ++b) {
        for (std::uint32_t two = pairs[static_cast<std::size_t>(b)]; two != 0; two &= two - 1) {
            const int p = std::countr_zero(two);
            const std::uint32_t box = (0x49u << (p % 3)) * kSpread;
            // The cell's column in the other bands, as bits 0, 3 and 6.
            const int base = p - p % 9 / 3 * 3;
            const std::uint32_t above =
                pairs[static_cast<std::size_t>((b + 1) % 3)] >> base & 0x49u;
            const std::uint32_t below =
                pairs[static_cast<std::size_t>((b + 2) % 3)] >> base & 0x49u;
            const int score = bitCount((pairs[static_cast<std::size_t>(b)] &
                                        (kRowOfBit[static_cast<std::size_t>(p)] | box)) |
                                       std::uint64_t{above} << 27 | std::uint64_t{below} << 34);
            best = std::max(best, score << 7 | b << 5 | p);
        }
    }
    if (best >= 0) {
        band = best >> 5 & 3;
        bit = best & 31;
    } else {
        int fewest = 10;
        for (int b = 0; b < 3; ++b) {
            for (std::uint32_t cells = opens[static_cast<std::size_t>(b)]; cells != 0;
                 cells &= cells - 1) {
                int count = 0;
                for (int u = 0; u < 9; ++u)
                    count += static_cast<int>(g[slot(u, b)] >> std::countr_zero(cells) & 1u);
                if (count < fewest) {
                    fewest = count;
                    band = b;
                    bit = std::countr_zero(cells);
                }
            }
        }
    }
    value = 0;
    while ((g[slot(value, band)] >> bit & 1u) == 0)
        ++value;
}

int valueAt(const std::uint32_t* g, int cell) {
    const int b = cell / 27;
    const std::uint32_t x = 1u << kBitOfCell[static_cast<std::size_t>(cell)];
    int v = 0;
    while ((g[slot(v, b)] & x) == 0)
        ++v;
    return v;
}

void writeSolution(const std::uint32_t* g, std::vector<int>& values) {
    values.resize(81);
    for (int b = 0; b < 3; ++b) {
        for (int v = 0; v < 9; ++v) {
            for (std::uint32_t m = g[slot(v, b)]; m != 0; m &= m - 1) {
                values[static_cast<std::size_t>(
                    b * 27 + kCellOfBit[static_cast<std::size_t>(std::countr_zero(m))])] = v + 1;
            }
        }
    }
}

}  // namespace

bool BandSearch::load(std::span<const int> givens) {
    // The givens of each value per band, at [3 * (value - 1) + band].
    std::array<std::uint32_t, 27> given{};
    // The cells that hold a given, listed without a branch per cell.
    std::array<std::uint8_t, 82> listed;
    std::size_t count = 0;
    for (std::size_t cell = 0; cell < 81; ++cell) {
        listed[count] = static_cast<std::uint8_t>(cell);
        count += static_cast<std::size_t>(givens[cell] != 0);
    }
    // Per value, the rows, columns and boxes that hold it (bits 0-8, 9-17, 18-26).
    std::array<std::uint32_t, 10> used{};
    std::uint32_t clash = 0;
    for (std::size_t k = 0; k < count; ++k) {
        const std::size_t cell = listed[k];
        const auto v = static_cast<std::size_t>(givens[cell]);
        const std::uint32_t units = kUnitsOfCell[cell];
        clash |= used[v] & units;
        used[v] |= units;
        given[3 * v - 3 + cell / 27] |= 1u << kBitOfCell[cell];
    }
    if (clash != 0) return false;
    std::array<std::uint32_t, 3> placed{};
    unrolled<3>([&](auto b) { unrolled<9>([&](auto v) { placed[b] |= given[3 * v + b]; }); });
    // Each given's row, box and column lose its value, the other values lose its cell.
    for (int v = 0; v < 9; ++v) {
        const std::uint32_t* mine = given.data() + 3 * v;
        std::array<std::uint32_t, 3> columns{};
        unrolled<3>([&](auto b) {
            columns[b] = ((mine[b] | mine[b] >> 3 | mine[b] >> 6) & kRow0) * kDown;
        });
        unrolled<3>([&](auto b) {
            const std::uint32_t meets = (mine[b] | mine[b] >> 9 | mine[b] >> 18) & 511u;
            const std::uint32_t rows = ((meets | meets >> 1 | meets >> 2) & 0x49u) * 7u;
            const std::uint32_t boxes = ((meets | meets >> 3 | meets >> 6) & 7u) * kDown;
            const std::uint32_t lost =
                (rows | boxes) * kSpread | columns[(b + 1) % 3] | columns[(b + 2) % 3] | placed[b];
            stack_[slot(v, b)] = (kFull & ~lost) | mine[b];
        });
    }
    unrolled<3>([&](auto b) { stack_[kPlaced + b] = placed[b]; });
    return true;
}

void BandSearch::run(int limit, std::int64_t budget, SolutionCount& result, int tallyCell,
                     int* tally) {
    int level = 0;
    State state = propagate(stack_, kAllWords);
    for (;;) {
        std::uint32_t* g = at(level);
        if (state == State::kSolved) {
            if (result.solutions++ == 0) writeSolution(g, result.firstSolution);
            if (tally != nullptr) ++tally[valueAt(g, tallyCell)];
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
            int b = 0;
            int v = 0;
            int bit = 0;
            branch(g, b, v, bit);
            std::uint8_t* record = branches_ + 3 * level;
            record[0] = static_cast<std::uint8_t>(b);
            record[1] = static_cast<std::uint8_t>(v);
            record[2] = static_cast<std::uint8_t>(bit);
            std::uint32_t* next = g + kStride;
            std::memcpy(next, g, kStride * sizeof(std::uint32_t));
            ++level;
            next[slot(v, b)] &= ~kRowOfBit[static_cast<std::size_t>(bit)] | 1u << bit;
            state = propagate(next, Words{1} << slot(v, b));
            continue;
        }
        if (level == 0) return;
        --level;
        const std::uint8_t* record = branches_ + 3 * level;
        const std::size_t i = slot(record[1], record[0]);
        at(level)[i] &= ~(1u << record[2]);
        state = propagate(at(level), Words{1} << i);
    }
}

}  // namespace velmora::exact_detail
