// The rules that work inside one unit: hidden singles, naked subsets and hidden pairs.
#include <algorithm>
#include <array>

#include "elimination/elimination_pass.h"
#include "elimination/statsblock.h"
#include "model/module_state.h"
#include "model/puzzle_control.h"

namespace velmora {

namespace {
std::uint64_t groupKey(std::uint32_t set, int count) {
    const int ones = count < 0 ? 0 : count > 31 ? 31 : count;
    return set | ((std::uint64_t{1} << ones) - 1) << 32;
}
}  // namespace

// The open cells of one unit, densely in position order: the rules loop over these alone.
struct EliminationPass::UnitSets {
    int size = 0;  // open cells
    // Meaningful below `size` only; left unset above, as this is made per unit.
    std::array<std::int16_t, kMaxDim> cells;
    std::array<std::uint32_t, kMaxDim> sets;
    std::array<int, kMaxDim> counts;
    // Set and count in one word for the group test: the set in the low half, below the count
    // `count` ones in the high half, so "set within a and count at most c" is one mask test.
    std::array<std::uint64_t, kMaxDim> keys;
    // Candidates held by two or more open cells when the unit was read; removals only shrink it.
    std::uint32_t heldTwice = 0;
};

void EliminationPass::readUnit(UnitSets& u, int unit, int unitType) const {
    const std::int16_t* members = this->unit(unit, unitType);
    std::uint32_t once = 0;
    int m = 0;
    for (int k = 0; k < n_; ++k) {
        const std::int16_t cell = members[k];
        const auto i = static_cast<std::size_t>(cell);
        if (sure_[i]) continue;
        const std::uint32_t set = cand_[i];
        u.heldTwice |= once & set;
        once |= set;
        const auto at = static_cast<std::size_t>(m++);
        u.cells[at] = cell;
        u.sets[at] = set;
        u.counts[at] = count_[i];
        u.keys[at] = groupKey(set, count_[i]);
    }
    u.size = m;
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
    return unitSubsets(unit, itype, subsetSizes());
}

bool EliminationPass::complexRulesOn() const {
    return pc_.solving || pc_.Experimental || pc_.guessingEnabled || pc_.Generate;
}

int EliminationPass::unitSubsets(int unit, int itype, std::uint32_t sizes) {
    if (!complexRulesOn()) return 0;
    UnitSets u;
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
    const std::int16_t* members = unit(target, itype);
    const std::uint32_t all = all_;
    std::array<std::uint32_t, kMaxDim> held{};  // as found, before anything is forced
    std::uint32_t once = 0;
    std::uint32_t twice = 0;
    for (int k = 0; k < n_; ++k) {
        const auto i = static_cast<std::size_t>(members[k]);
        if (sure_[i]) continue;
        const std::uint32_t set = cand_[i];
        held[static_cast<std::size_t>(k)] = set & all;
        twice |= once & set;
        once |= set;
    }
    for (std::uint32_t single = once & ~twice & all; single != 0; single &= single - 1) {
        const int v = std::countr_zero(single);
        int k = 0;
        while (!(held[static_cast<std::size_t>(k)] & candidateBit(v)))
            ++k;
        const auto i = static_cast<std::size_t>(members[k]);
        if (cand_[i] == candidateBit(v) && count_[i] == 1) continue;
        cand_[i] = candidateBit(v);
        count_[i] = 1;
        noteChanged(members[k]);
    }
    return 0;
}

// When k open cells of a unit together hold only k candidates, those candidates leave every
// other open cell of the unit. A group is found around a cell whose set is the group's union.
int EliminationPass::pokeDisjointSubsets(int target, int itype) {
    UnitSets u;
    readUnit(u, target, itype);
    return disjointSubsets(u, subsetSizes());
}

int EliminationPass::disjointSubsets(UnitSets& u, std::uint32_t sizes) {
    if (sizes == 0) return 0;
    const std::uint32_t all = all_;
    const int m = u.size;
    int total = 0;
    for (int k = 0; k < m; ++k) {
        const int c = u.counts[static_cast<std::size_t>(k)];
        if (c <= 0 || c >= kMaxDim || !(sizes & candidateBit(c))) continue;
        if (c > m) continue;  // fewer open cells than the group needs
        // The group: the cells of count c or less whose candidates all lie in k's (k among
        // them). Counted without branches: most cells fail and the outcome is unpredictable.
        const std::uint32_t a = u.sets[static_cast<std::size_t>(k)];
        const std::uint64_t outside = ~groupKey(a, c);
        int memberCount = 0;
        for (int j = 0; j < m; ++j)
            memberCount += static_cast<int>((u.keys[static_cast<std::size_t>(j)] & outside) == 0);
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
            u.keys[at] = groupKey(set, count);
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
    UnitSets u;
    readUnit(u, unit, itype);
    return hiddenPairs(u);
}

int EliminationPass::hiddenPairs(const UnitSets& u) {
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
