// Candidate computation and the elimination pass that repeats the rules to a fixed point.
#include "elimination/candidates.h"

#include <array>

#include "elimination/elimination_pass.h"
#include "elimination/statsblock.h"
#include "model/module_state.h"
#include "model/puzzle_control.h"
#include "model/scells.h"

namespace velmora {

namespace {
// The bit of a Sure cell's value, or 0 for a value outside 1..n (such a value excludes nothing).
std::uint32_t valueBit(const scell& cell, int n) {
    return cell.Trying >= 1 && cell.Trying <= n ? candidateBit(cell.Trying - 1) : 0;
}
}  // namespace

int generatePossibilities(scell& cell) {
    const scells& grid = *cell.meGrid;
    if (grid.pControl->manualPencilMarks) return cell.countPossibilities;
    const int n = grid.dim();
    std::uint32_t used = 0;
    for (const auto& [unit, type] :
         {std::pair<int, int>{cell.meRow, kRow}, {cell.boxNumber, kBox}, {cell.meCol, kColumn}}) {
        const std::int16_t* members = grid.unitOf(unit, type);
        for (int k = 0; k < n; ++k) {
            const scell& other = grid.getcellBigindex(members[k]);
            if (other.Sure) used |= valueBit(other, n);
        }
    }
    cell.bPoss = allCandidates(n) & ~used;
    cell.countPossibilities = static_cast<std::int16_t>(bitCount(cell.bPoss));
    return cell.countPossibilities;
}

void generateAllPossibilities(scells& grid) {
    if (grid.pControl->manualPencilMarks) return;
    const int n = grid.dim();
    // The values each row, column and box already holds, gathered once for the whole grid.
    std::array<std::uint32_t, kMaxDim> rowUsed{}, colUsed{}, boxUsed{};
    for (const scell& cell : grid.cells()) {
        if (!cell.Sure) continue;
        const std::uint32_t bit = valueBit(cell, n);
        rowUsed[static_cast<std::size_t>(cell.meRow)] |= bit;
        colUsed[static_cast<std::size_t>(cell.meCol)] |= bit;
        boxUsed[static_cast<std::size_t>(cell.boxNumber)] |= bit;
    }
    const std::uint32_t all = allCandidates(n);
    for (scell& cell : grid.cells()) {
        if (cell.Sure) continue;
        cell.bPoss = all & ~(rowUsed[static_cast<std::size_t>(cell.meRow)] |
                             colUsed[static_cast<std::size_t>(cell.meCol)] |
                             boxUsed[static_cast<std::size_t>(cell.boxNumber)]);
        cell.countPossibilities = static_cast<std::int16_t>(bitCount(cell.bPoss));
    }
}

int rebuildPossibilities(scells& grid, bool complex) {
    if (grid.pControl->manualPencilMarks) return 0;
    grid.pControl->sBlock->ResetElims();
    EliminationPass pass(grid);
    pass.generateAll();
    // With no value anywhere every cell holds every candidate, and no rule can remove one.
    const int removed = complex && pass.anySure() ? pass.runEliminations() : 0;
    pass.store();
    return removed;
}

void resetPossibilities(scells& grid) {
    const PuzzleControl& pc = *grid.pControl;
    rebuildPossibilities(grid, pc.Generate || pc.Experimental || pc.guessingEnabled || pc.solving);
}

void allPossibilities(scells& grid) {
    const int total = grid.cellCount();
    if (grid.pControl->manualPencilMarks) {
        // Nothing is recomputed, so one sweep settles every hand-kept single mark.
        for (scell& cell : grid.cells())
            if (!cell.Sure && cell.countPossibilities == 1) cell.putSure(cell.nextPoss() + 1);
        return;
    }
    // The whole solve works on one pass's arrays; the grid sees the outcome at the end.
    Statsblock& stats = *grid.pControl->sBlock;
    EliminationPass pass(grid);
    for (;;) {
        stats.ResetElims();
        pass.generateAll();
        if (pass.anySure()) pass.runEliminations();
        int settled = 0;
        const int fresh = pass.settleSingles(settled);
        if (settled == total || fresh == 0) break;
    }
    pass.store();
}

}  // namespace velmora
