// The rules that work inside one unit: hidden singles, naked subsets and hidden pairs.
#include <array>

#include "elimination/statsblock.h"
#include "model/puzzle_control.h"
#include "model/scells.h"
#include "model/workbench.h"

namespace velmora {

int scells::pokeUnitSubsets(int unit, int itype) {
    const PuzzleControl& pc = *pControl;
    if (!(pc.solving || pc.Experimental || pc.guessingEnabled || pc.Generate)) return 0;
    int removed = pokeDisjointSubsets(unit, itype);
    if (module().hiddenPairsEnabled) {
        const int hidden = pokeHiddenPairs(unit, itype, 2);
        pc.sBlock->neHPairs += hidden;
        removed += hidden;
    }
    return removed;
}

// A value that only one open cell of the unit can take is forced into that cell. The cell is
// left open with that one candidate; the solving sweep settles it. Removals are not counted.
int scells::pokeMustBe(int target, int itype) {
    const std::int16_t* members = unitOf(target, itype);
    std::uint32_t once = 0;
    std::uint32_t twice = 0;
    std::array<std::int16_t, kMaxDim> lastCell{};
    for (int k = 0; k < n_; ++k) {
        const scell& cell = cells_[static_cast<std::size_t>(members[k])];
        if (cell.Sure) continue;
        // Only values still counted below 2 record this cell as their last one.
        for (std::uint32_t fresh = cell.bPoss & ~twice & allCandidates(n_); fresh != 0;
             fresh &= fresh - 1)
            lastCell[static_cast<std::size_t>(std::countr_zero(fresh))] = members[k];
        twice |= once & cell.bPoss;
        once |= cell.bPoss;
    }
    for (std::uint32_t single = once & ~twice & allCandidates(n_); single != 0;
         single &= single - 1) {
        const int v = std::countr_zero(single);
        scell& cell = cells_[static_cast<std::size_t>(lastCell[static_cast<std::size_t>(v)])];
        cell.clearallPossibilities();
        cell.putPossibility(v);
    }
    return 0;
}

// When k open cells of a unit together hold only k candidates, those candidates leave every
// other open cell of the unit. A group is found around a cell whose set is the group's union.
int scells::pokeDisjointSubsets(int target, int itype) {
    const Workbench& wb = module();
    const std::int16_t* members = unitOf(target, itype);
    std::array<bool, kMaxDim> outside{};
    int total = 0;
    for (int k = 0; k < n_; ++k) {
        const scell& a = cells_[static_cast<std::size_t>(members[k])];
        const int c = a.countPossibilities;
        if (a.Sure || c == 0 || c >= n_ || static_cast<std::size_t>(c) > wb.subsetEnabled.size() ||
            !wb.subsetEnabled[static_cast<std::size_t>(c - 1)])
            continue;
        int memberCount = 1;
        outside[static_cast<std::size_t>(k)] = false;
        for (int j = 0; j < n_; ++j) {
            if (j == k) continue;
            const scell& b = cells_[static_cast<std::size_t>(members[j])];
            if (b.Sure) continue;
            const bool inGroup = b.countPossibilities <= c && a.sUbset(b);
            outside[static_cast<std::size_t>(j)] = !inGroup;
            if (inGroup) ++memberCount;
        }
        if (memberCount != c) continue;
        for (int j = 0; j < n_; ++j) {
            if (!outside[static_cast<std::size_t>(j)]) continue;
            const int r = cells_[static_cast<std::size_t>(members[j])].unsetPossibilities(a);
            if (r > 0) {
                module().neSubsets[static_cast<std::size_t>(memberCount - 1)] += r;
                total += r;
            }
        }
    }
    return total;
}

// When two values of a unit can each go only into the same two cells, those cells hold nothing
// else. Which cells hold which values is read once, before anything is removed.
int scells::pokeHiddenPairs(int unit, int itype, int size) {
    const std::int16_t* members = unitOf(unit, itype);
    std::array<std::uint32_t, kMaxDim> holds{};
    std::array<int, kMaxDim> count{};
    for (int p = 0; p < n_; ++p) {
        const scell& cell = cells_[static_cast<std::size_t>(members[p])];
        if (cell.Sure) continue;
        holds[static_cast<std::size_t>(p)] = cell.bPoss & allCandidates(n_);
        for (std::uint32_t bits = holds[static_cast<std::size_t>(p)]; bits != 0; bits &= bits - 1)
            ++count[static_cast<std::size_t>(std::countr_zero(bits))];
    }
    std::uint32_t candidates = 0;  // values held by exactly `size` cells
    for (int v = 0; v < n_; ++v)
        if (count[static_cast<std::size_t>(v)] == size) candidates |= candidateBit(v);

    auto keepOnly = [&](int p, std::uint32_t keep) {
        scell& cell = cells_[static_cast<std::size_t>(members[p])];
        const std::uint32_t gone = cell.bPoss & ~keep;
        if (gone == 0) return 0;
        cell.bPoss &= keep;
        const int removed = std::popcount(gone);
        cell.countPossibilities = static_cast<std::int16_t>(cell.countPossibilities - removed);
        return removed;
    };

    int removed = 0;
    for (std::uint32_t as = candidates; as != 0; as &= as - 1) {
        const int a = std::countr_zero(as);
        for (int p = 0; p < n_; ++p) {
            const std::uint32_t heldAtP = holds[static_cast<std::size_t>(p)];
            if (!(heldAtP & candidateBit(a))) continue;
            for (std::uint32_t bs = candidates & heldAtP & ~candidateBit(a); bs != 0;
                 bs &= bs - 1) {
                const int b = std::countr_zero(bs);
                const std::uint32_t pair = candidateBit(a) | candidateBit(b);
                for (int q = 0; q < n_; ++q) {
                    if (q == p || (holds[static_cast<std::size_t>(q)] & pair) != pair) continue;
                    removed += keepOnly(q, pair);
                    removed += keepOnly(p, pair);
                }
            }
        }
    }
    return removed;
}

}  // namespace velmora
