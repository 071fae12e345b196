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
// A set above every candidate: padding that no group ever holds.
constexpr std::uint32_t kNoSet = std::uint32_t{1} << 31;

// A cell's set and count in one word for cells whose count may differ from the size of their
// set: the set in the low half, below the count that many ones in the high half, so that "set
// within a and count at most c" is one mask test.
std::uint64_t groupKey(std::uint32_t set, int count) {
    const int ones = count < 0 ? 0 : count > 31 ? 31 : count;
    return set | ((std::uint64_t{1} << ones) - 1) << 32;
}
}  // namespace

// The open cells of one unit, densely in position order: the rules loop over these alone. With
// `Exact` every count is the size of its set and every set lies below N, so a cell whose set lies
// within a group's has no larger count, and the group test needs the sets alone.
template <bool Exact>
struct EliminationPass::UnitSets {
    int size = 0;  // open cells
    // Meaningful below `size` only; left unset above, as this is made per unit.
    std::array<std::int16_t, kMaxDim> cells;
    // Up to the next whole group of four, padded with kNoSet when `Exact`.
    std::array<std::uint32_t, kPadded> sets;
    std::array<int, kMaxDim> counts;
    // Group keys (see groupKey) unless `Exact`; padded with all ones, which no group holds.
    std::array<std::uint64_t, Exact ? 1 : kPadded> keys;
    // Candidates (below N) held by one, two, more than two open cells when the unit was read.
    std::uint32_t once = 0;
    std::uint32_t twice = 0;
    std::uint32_t more = 0;
    // As `twice` but over whole sets, above N too; removals only shrink what it stands for.
    std::uint32_t heldTwice = 0;
    bool changed = false;  // a set changed since the unit was read
};

template <bool Exact>
void EliminationPass::readUnit(UnitSets<Exact>& u, int unit, int unitType) const {
    const std::int16_t* members = openCells(unit, unitType);
    const int m = openSize(unit, unitType);
    const std::uint32_t all = all_;
    std::uint32_t once = 0;
    std::uint32_t twice = 0;
    std::uint32_t more = 0;
    std::uint32_t rawOnce = 0;
    std::uint32_t rawTwice = 0;
    for (int k = 0; k < m; ++k) {
        const auto at = static_cast<std::size_t>(k);
        const std::int16_t cell = members[k];
        const auto i = static_cast<std::size_t>(cell);
        const std::uint32_t set = cand_[i];
        const int count = count_[i];
        const std::uint32_t held = Exact ? set : set & all;
        more |= twice & held;
        twice |= once & held;
        once |= held;
        u.cells[at] = cell;
        u.sets[at] = set;
        u.counts[at] = count;
        if constexpr (!Exact) {
            u.keys[at] = groupKey(set, count);
            rawTwice |= rawOnce & set;
            rawOnce |= set;
        }
    }
    for (int k = m; k % kLanes != 0; ++k) {
        if constexpr (Exact) {
            u.sets[static_cast<std::size_t>(k)] = kNoSet;
        } else {
            u.keys[static_cast<std::size_t>(k)] = ~std::uint64_t{0};
        }
    }
    u.size = m;
    u.once = once;
    u.twice = twice;
    u.more = more;
    u.heldTwice = Exact ? twice : rawTwice;
}

std::uint32_t EliminationPass::subsetSizes() const {
    const std::vector<char>& enabled = module_.subsetEnabled;
    const int largest = std::min(n_ - 1, static_cast<int>(enabled.size()));
    std::uint32_t sizes = 0;
    for (int c = 1; c <= largest; ++c)
        if (enabled[static_cast<std::size_t>(c - 1)]) sizes |= candidateBit(c);
    return sizes;
}

int EliminationPass::pokeUnitSubsets(int unit, int itype) {
    prepare();
    return unitSubsets(unit, itype, subsetSizes());
}

bool EliminationPass::complexRulesOn() const {
    return pc_.solving || pc_.Experimental || pc_.guessingEnabled || pc_.Generate;
}

int EliminationPass::unitSubsets(int unit, int itype, std::uint32_t sizes) {
    if (!complexRulesOn()) return 0;
    return exact_ ? unitSubsetsWith<true>(unit, itype, sizes)
                  : unitSubsetsWith<false>(unit, itype, sizes);
}

template <bool Exact>
int EliminationPass::unitSubsetsWith(int unit, int itype, std::uint32_t sizes) {
    UnitSets<Exact> u;
    readUnit(u, unit, itype);
    int removed = disjointSubsets(u, sizes);
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
    prepare();
    const std::int16_t* members = openCells(target, itype);
    const int m = openSize(target, itype);
    std::uint32_t once = 0;
    std::uint32_t twice = 0;
    std::uint32_t settled = 0;  // values of cells that hold one value alone, with count 1
    for (int k = 0; k < m; ++k) {
        const auto i = static_cast<std::size_t>(members[k]);
        const std::uint32_t set = cand_[i];
        twice |= once & set;
        once |= set;
        settled |= count_[i] == 1 && (set & (set - 1)) == 0 ? set : 0;
    }
    // A single value whose one holder already holds it alone is left as it is.
    const std::uint32_t singles = once & ~twice & all_ & ~settled;
    if (singles == 0) return 0;
    // Each single value has one holder; a holder of several gets the highest of them.
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
    prepare();
    if (exact_) {
        UnitSets<true> u;
        readUnit(u, target, itype);
        return disjointSubsets(u, subsetSizes());
    }
    UnitSets<false> u;
    readUnit(u, target, itype);
    return disjointSubsets(u, subsetSizes());
}

template <bool Exact>
int EliminationPass::disjointSubsets(UnitSets<Exact>& u, std::uint32_t sizes) {
    if (sizes == 0) return 0;
    const std::uint32_t all = all_;
    const int m = u.size;
    const int groups = (m + kLanes - 1) / kLanes * kLanes;
    // Group sizes switched on that the unit's open cells can fill.
    const std::uint32_t fitting = sizes & allCandidates(m + 1);
    int total = 0;
    for (int k = 0; k < m; ++k) {
        const int c = u.counts[static_cast<std::size_t>(k)];
        if (static_cast<unsigned>(c) >= 32 || (fitting & candidateBit(c)) == 0) continue;
        // The group: the cells of count c or less whose candidates all lie in k's (k among
        // them). Counted without branches, four lanes at a time: most cells fail and the
        // outcome is unpredictable.
        const std::uint32_t a = u.sets[static_cast<std::size_t>(k)];
        const std::uint64_t outside = Exact ? ~std::uint64_t{a} : ~groupKey(a, c);
        auto member = [&](int j) {
            const auto at = static_cast<std::size_t>(j);
            if constexpr (Exact) {
                return (u.sets[at] & ~a) == 0;
            } else {
                return (u.keys[at] & outside) == 0;
            }
        };
        std::array<std::uint32_t, kLanes> lanes{};
        for (int j = 0; j < groups; j += kLanes)
            for (int l = 0; l < kLanes; ++l)
                lanes[static_cast<std::size_t>(l)] += member(j + l) ? 1u : 0u;
        const auto memberCount = static_cast<int>(lanes[0] + lanes[1] + lanes[2] + lanes[3]);
        if (memberCount != c) continue;
        // A candidate of the group that no other cell holds leaves nothing to remove.
        if ((a & u.heldTwice) == 0) continue;
        for (int j = 0; j < m; ++j) {
            const auto at = static_cast<std::size_t>(j);
            std::uint32_t& set = u.sets[at];
            if ((set & a) == 0) continue;
            if (member(j)) continue;
            set &= ~a;
            u.changed = true;
            int& count = u.counts[at];
            const int before = count;
            count = candidateCount(set & all);
            if constexpr (!Exact) u.keys[at] = groupKey(set, count);
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
    prepare();
    UnitSets<false> u;
    readUnit(u, unit, itype);
    return hiddenPairs(u);
}

template <bool Exact>
int EliminationPass::hiddenPairs(const UnitSets<Exact>& u) {
    const std::uint32_t all = all_;
    const int m = u.size;
    std::uint32_t once = u.once;
    std::uint32_t twice = u.twice;
    std::uint32_t more = u.more;
    if (u.changed) {
        once = twice = more = 0;
        for (int p = 0; p < m; ++p) {
            const std::uint32_t h = u.sets[static_cast<std::size_t>(p)] & all;
            more |= twice & h;
            twice |= once & h;
            once |= h;
        }
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
