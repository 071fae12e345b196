// Candidate computation and the elimination pass that repeats the rules to a fixed point.
#include <array>

#include "elimination/statsblock.h"
#include "model/puzzle_control.h"
#include "model/scells.h"
#include "model/workbench.h"

namespace velmora {

namespace {
// The bit of a Sure cell's value, or 0 for a value outside 1..n (such a value excludes nothing).
std::uint32_t valueBit(const scell& cell, int n) {
    return cell.Trying >= 1 && cell.Trying <= n ? candidateBit(cell.Trying - 1) : 0;
}
}  // namespace

int scell::generatePossibilities() {
    const PuzzleControl& pc = *meGrid->pControl;
    if (pc.manualPencilMarks) return countPossibilities;
    const int n = dim();
    const Workbench& wb = *pc.module;
    std::uint32_t used = 0;
    for (const auto& [unit, type] :
         {std::pair<int, int>{meRow, kRow}, {boxNumber, kBox}, {meCol, kColumn}}) {
        const std::int16_t* members = wb.unitRow(unit, type);
        for (int k = 0; k < n; ++k) {
            const scell& other = meGrid->getcellBigindex(members[k]);
            if (other.Sure) used |= valueBit(other, n);
        }
    }
    bPoss = allCandidates(n) & ~used;
    countPossibilities = static_cast<std::int16_t>(bitCount(bPoss));
    return countPossibilities;
}

void scells::generateAllPossibilities() {
    if (pControl->manualPencilMarks) return;
    // The values each row, column and box already holds, gathered once for the whole grid.
    std::array<std::uint32_t, kMaxDim> rowUsed{}, colUsed{}, boxUsed{};
    for (const scell& cell : cells_) {
        if (!cell.Sure) continue;
        const std::uint32_t bit = valueBit(cell, n_);
        rowUsed[static_cast<std::size_t>(cell.meRow)] |= bit;
        colUsed[static_cast<std::size_t>(cell.meCol)] |= bit;
        boxUsed[static_cast<std::size_t>(cell.boxNumber)] |= bit;
    }
    const std::uint32_t all = allCandidates(n_);
    for (scell& cell : cells_) {
        if (cell.Sure) continue;
        cell.bPoss = all & ~(rowUsed[static_cast<std::size_t>(cell.meRow)] |
                             colUsed[static_cast<std::size_t>(cell.meCol)] |
                             boxUsed[static_cast<std::size_t>(cell.boxNumber)]);
        cell.countPossibilities = static_cast<std::int16_t>(bitCount(cell.bPoss));
    }
}

int scells::rebuildPossibilities(bool complex) {
    if (pControl->manualPencilMarks) return 0;
    pControl->sBlock->ResetElims();
    generateAllPossibilities();
    if (!complex) return 0;
    // With no value anywhere every cell holds every candidate, and no rule can remove one.
    for (const scell& cell : cells_)
        if (cell.Sure) return runEliminations();
    return 0;
}

void scells::resetPossibilities() {
    const PuzzleControl& pc = *pControl;
    rebuildPossibilities(pc.Generate || pc.Experimental || pc.guessingEnabled || pc.solving);
}

void scells::allPossibilities() {
    const int total = n_ * n_;
    for (;;) {
        rebuildPossibilities(true);
        int settled = 0;
        int fresh = 0;
        for (scell& cell : cells_) {
            if (cell.Sure) {
                ++settled;
            } else if (cell.countPossibilities == 1) {
                cell.putSure(cell.nextPoss() + 1);
                ++settled;
                ++fresh;
            }
        }
        if (settled == total || fresh == 0) return;
    }
}

int scells::runEliminations() {
    Workbench& wb = module();
    Statsblock& stats = *pControl->sBlock;
    const std::uint32_t sizes = subsetSizes();
    const std::uint32_t everyUnit = allCandidates(n_);
    changed_.grabs = everyUnit;
    changed_.mustBe.fill(everyUnit);
    changed_.subsets.fill(everyUnit);
    int total = 0;
    int change = 0;
    do {
        change = 0;
        if (wb.grabsEnabled) {
            for (int box = 0; box < n_; ++box) {
                if (!takeChanged(changed_.grabs, box)) continue;
                const int removed = pokeGrabs(box);
                stats.neGrabs += removed;
                change += removed;
            }
            for (int type = kRow; type <= kBox; ++type) {
                int sum = 0;
                for (int unit = 0; unit < n_; ++unit)
                    if (takeChanged(changed_.mustBe[static_cast<std::size_t>(type)], unit))
                        sum += pokeMustBe(unit, type);
                if (sum > 0) change += sum;
            }
        }
        for (int type = kRow; type <= kBox; ++type) {
            int sum = 0;
            for (int unit = 0; unit < n_; ++unit)
                if (takeChanged(changed_.subsets[static_cast<std::size_t>(type)], unit))
                    sum += unitSubsets(unit, type, sizes);
            if (sum > 0) change += sum;
        }
        total += change;
    } while (change != 0);
    return total;
}

}  // namespace velmora
