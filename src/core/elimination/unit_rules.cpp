// The rules that work inside one unit: hidden singles, naked subsets and hidden pairs.
#include <algorithm>
#include <array>
#include <bit>

#include "elimination/elimination_pass.h"
#include "elimination/statsblock.h"
#include "model/module_state.h"
#include "model/puzzle_control.h"

namespace velmora {

namespace {
// Room for a unit's open cells rounded up to whole groups of four, so that the member count
// runs over whole groups (which the compiler turns into vector code).
constexpr int kLanes = 4;
constexpr int kPadded = (kMaxDim + kLanes - 1) / kLanes * kLanes;

// A cell's set and count in one word: the set in the low bits, from `shift` up as many ones as
// the count (cut to `cap`), so that "set within a and count at most c" is one mask test.
template <typename Key>
Key groupKey(std::uint32_t set, int count, int shift, int cap) {
    const int ones = count < 0 ? 0 : count > cap ? cap : count;
    return static_cast<Key>(set) | ((Key{1} << ones) - 1) << shift;
}
}  // namespace

// The open cells of one unit, densely in position order: the rules loop over these alone.
template <typename Key>
struct EliminationPass::UnitSets {
    int size = 0;  // open cells
    // Meaningful below `size` only; left unset above, as this is made per unit.
    std::array<std::int16_t, kMaxDim> cells;
    std::array<std::uint32_t, kMaxDim> sets;
    std::array<int, kMaxDim> counts;
    // Group keys; up to the next whole group of four, all ones, which no group ever holds.
    std::array<Key, kPadded> keys;
    // Candidates held by two or more open cells when the unit was read; removals only shrink it.
    std::uint32_t heldTwice = 0;
};

template <typename Key>
void EliminationPass::readUnit(UnitSets<Key>& u, int unit, int unitType,
                               const KeyLayout& layout) const {
    const std::int16_t* members = openCells(unit, unitType);
    const int m = openSize(unit, unitType);
    std::uint32_t once = 0;
    std::uint32_t twice = 0;
    for (int k = 0; k < m; ++k) {
        const auto at = static_cast<std::size_t>(k);
        const std::int16_t cell = members[k];
        const auto i = static_cast<std::size_t>(cell);
        const std::uint32_t set = cand_[i];
        const int count = count_[i];
        twice |= once & set;
        once |= set;
        u.cells[at] = cell;
        u.sets[at] = set;
        u.counts[at] = count;
        u.keys[at] = groupKey<Key>(set, count, layout.shift, layout.cap);
    }
    for (int k = m; k % kLanes != 0; ++k)
        u.keys[static_cast<std::size_t>(k)] = ~Key{0};
    u.size = m;
    u.heldTwice = twice;
}

std::uint32_t EliminationPass::subsetSizes() const {
    const std::vector<char>& enabled = module_.subsetEnabled;
    const int largest = std::min(n_ - 1, static_cast<int>(enabled.size()));
    std::uint32_t sizes = 0;
    for (int c = 1; c <= largest; ++c)
        if (enabled[static_cast<std::size_t>(c - 1)]) sizes |= candidateBit(c);
    return sizes;
}

EliminationPass::KeyLayout EliminationPass::keyLayout(std::uint32_t sizes) const {
    // A group of c cells compares counts up to c, so counts above the largest size switched on
    // need only one more one. With every set below N that fits in 32 bits for the usual sizes.
    const auto cap = static_cast<int>(std::bit_width(sizes));
    if (tidy_ && n_ + cap <= 32) return KeyLayout{false, n_, cap};
    return KeyLayout{};
}

int EliminationPass::pokeUnitSubsets(int unit, int itype) {
    const std::uint32_t sizes = subsetSizes();
    return unitSubsets(unit, itype, sizes, keyLayout(sizes));
}

bool EliminationPass::complexRulesOn() const {
    return pc_.solving || pc_.Experimental || pc_.guessingEnabled || pc_.Generate;
}

int EliminationPass::unitSubsets(int unit, int itype, std::uint32_t sizes,
                                 const KeyLayout& layout) {
    if (!complexRulesOn()) return 0;
    return layout.wide ? unitSubsetsWith<std::uint64_t>(unit, itype, sizes, layout)
                       : unitSubsetsWith<std::uint32_t>(unit, itype, sizes, layout);
}

template <typename Key>
int EliminationPass::unitSubsetsWith(int unit, int itype, std::uint32_t sizes,
                                     const KeyLayout& layout) {
    UnitSets<Key> u;
    readUnit(u, unit, itype, layout);
    int removed = disjointSubsets(u, sizes, layout);
    if (module_.hiddenPairsEnabled) {
        const int hidden = hiddenPairs(u);
        stats_.neHPairs += hidden;
        removed += hidden;
    }
    return removed;
}

// A value that only one open cell of the unit can take is forced into that cell. The cell is
// left open with that one candidate; the solving sweep settles it. Removals are not counted.
// A cell that is the only place for two values ends up with the higher one.
int EliminationPass::pokeMustBe(int target, int itype) {
    const std::int16_t* members = openCells(target, itype);
    const int m = openSize(target, itype);
    std::uint32_t once = 0;
    std::uint32_t twice = 0;
    for (int k = 0; k < m; ++k) {
        const std::uint32_t set = cand_[static_cast<std::size_t>(members[k])];
        twice |= once & set;
        once |= set;
    }
    const std::uint32_t singles = once & ~twice & all_;
    if (singles == 0) return 0;
    // Each single value has one holder; a holder of several gets the highest of them. A cell
    // that already holds exactly its one value is left as it is.
    for (int k = 0; k < m; ++k) {
        const auto i = static_cast<std::size_t>(members[k]);
        const std::uint32_t mine = cand_[i] & singles;
        if (mine == 0) continue;
        if (cand_[i] == mine && (mine & (mine - 1)) == 0 && count_[i] == 1) continue;
        cand_[i] = candidateBit(static_cast<int>(std::bit_width(mine)) - 1);
        count_[i] = 1;
        noteChanged(members[k]);
    }
    return 0;
}

// When k open cells of a unit together hold only k candidates, those candidates leave every
// other open cell of the unit. A group is found around a cell whose set is the group's union.
int EliminationPass::pokeDisjointSubsets(int target, int itype) {
    const std::uint32_t sizes = subsetSizes();
    const KeyLayout layout = keyLayout(sizes);
    if (layout.wide) {
        UnitSets<std::uint64_t> u;
        readUnit(u, target, itype, layout);
        return disjointSubsets(u, sizes, layout);
    }
    UnitSets<std::uint32_t> u;
    readUnit(u, target, itype, layout);
    return disjointSubsets(u, sizes, layout);
}

template <typename Key>
int EliminationPass::disjointSubsets(UnitSets<Key>& u, std::uint32_t sizes,
                                     const KeyLayout& layout) {
    if (sizes == 0) return 0;
    const std::uint32_t all = all_;
    const int m = u.size;
    const int groups = (m + kLanes - 1) / kLanes * kLanes;
    int total = 0;
    for (int k = 0; k < m; ++k) {
        const int c = u.counts[static_cast<std::size_t>(k)];
        if (c <= 0 || c >= kMaxDim || !(sizes & candidateBit(c))) continue;
        if (c > m) continue;  // fewer open cells than the group needs
        // The group: the cells of count c or less whose candidates all lie in k's (k among
        // them). Counted without branches, four lanes at a time: most cells fail and the
        // outcome is unpredictable.
        const std::uint32_t a = u.sets[static_cast<std::size_t>(k)];
        const Key outside = ~groupKey<Key>(a, c, layout.shift, layout.cap);
        std::array<Key, kLanes> lanes{};
        for (int j = 0; j < groups; j += kLanes)
            for (int l = 0; l < kLanes; ++l)
                lanes[static_cast<std::size_t>(l)] +=
                    static_cast<Key>((u.keys[static_cast<std::size_t>(j + l)] & outside) == 0);
        const int memberCount = static_cast<int>(lanes[0] + lanes[1] + lanes[2] + lanes[3]);
        if (memberCount != c) continue;
        // A candidate of the group that no other cell holds leaves nothing to remove.
        if ((a & u.heldTwice) == 0) continue;
        for (int j = 0; j < m; ++j) {
            const auto at = static_cast<std::size_t>(j);
            std::uint32_t& set = u.sets[at];
            if ((set & a) == 0) continue;
            if ((u.keys[at] & outside) == 0) continue;  // a member
            set &= ~a;
            int& count = u.counts[at];
            const int before = count;
            count = bitCount(set & all);
            u.keys[at] = groupKey<Key>(set, count, layout.shift, layout.cap);
            const auto i = static_cast<std::size_t>(u.cells[at]);
            cand_[i] = set;
            count_[i] = count;
            noteChanged(u.cells[at]);
            const int r = before - count;
            if (r > 0) {
                module_.neSubsets[static_cast<std::size_t>(memberCount - 1)] += r;
                total += r;
            }
        }
    }
    return total;
}

// When two values of a unit can each go only into the same two cells, those cells hold nothing
// else. Which cells hold which values is read once, before anything is removed.
int EliminationPass::pokeHiddenPairs(int unit, int itype) {
    UnitSets<std::uint64_t> u;
    readUnit(u, unit, itype, KeyLayout{});
    return hiddenPairs(u);
}

template <typename Key>
int EliminationPass::hiddenPairs(const UnitSets<Key>& u) {
    const std::uint32_t all = all_;
    const int m = u.size;
    std::uint32_t once = 0;
    std::uint32_t twice = 0;
    std::uint32_t more = 0;
    for (int p = 0; p < m; ++p) {
        const std::uint32_t h = u.sets[static_cast<std::size_t>(p)] & all;
        more |= twice & h;
        twice |= once & h;
        once |= h;
    }
    const std::uint32_t candidates = twice & ~more;  // values held by exactly two cells
    if ((candidates & (candidates - 1)) == 0) return 0;

    // The two open cells (bits of their dense places) holding each such value.
    std::array<std::uint32_t, kMaxDim> holders{};
    for (int p = 0; p < m; ++p) {
        for (std::uint32_t vs = u.sets[static_cast<std::size_t>(p)] & candidates; vs != 0;
             vs &= vs - 1)
            holders[static_cast<std::size_t>(std::countr_zero(vs))] |= candidateBit(p);
    }
    // Every two values with the same two cells leave those cells only the pair. A cell in several
    // such pairs keeps what all of them allow, which is the same whatever their order.
    std::array<std::uint32_t, kMaxDim> keep{};
    std::uint32_t kept = 0;
    for (std::uint32_t as = candidates; as != 0; as &= as - 1) {
        const int a = std::countr_zero(as);
        const std::uint32_t cellsOfA = holders[static_cast<std::size_t>(a)];
        for (std::uint32_t bs = as & (as - 1); bs != 0; bs &= bs - 1) {
            const int b = std::countr_zero(bs);
            if (holders[static_cast<std::size_t>(b)] != cellsOfA) continue;
            const std::uint32_t pair = candidateBit(a) | candidateBit(b);
            for (std::uint32_t ps = cellsOfA; ps != 0; ps &= ps - 1) {
                const int p = std::countr_zero(ps);
                keep[static_cast<std::size_t>(p)] =
                    (kept & candidateBit(p)) ? keep[static_cast<std::size_t>(p)] & pair : pair;
                kept |= candidateBit(p);
            }
        }
    }
    int removed = 0;
    for (std::uint32_t ps = kept; ps != 0; ps &= ps - 1) {
        const int p = std::countr_zero(ps);
        removed +=
            keepOnly(u.cells[static_cast<std::size_t>(p)], keep[static_cast<std::size_t>(p)]);
    }
    return removed;
}

int EliminationPass::keepOnly(int cell, std::uint32_t keep) {
    const auto i = static_cast<std::size_t>(cell);
    const std::uint32_t gone = cand_[i] & ~keep;
    if (gone == 0) return 0;
    cand_[i] &= keep;
    const int removed = bitCount(gone);
    count_[i] -= removed;
    noteChanged(cell);
    return removed;
}

}  // namespace velmora
