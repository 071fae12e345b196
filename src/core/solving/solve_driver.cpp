#include "solving/solve_driver.h"

#include "model/workbench.h"
#include "solving/generator.h"
#include "solving/guess_solver.h"

namespace velmora {

scells& takeGridState(Workbench& wb, int k) {
    PuzzleControl& pc = wb.pc();
    const GridPtr source = wb.sBlock().scColl.at(static_cast<std::size_t>(k - 1));
    scells saved;
    saved.initstandalone(pc);
    source->sCopy(saved);
    wb.buildPuzzle();
    saved.sCopy(wb.theCells());
    return wb.theCells();
}

void solvePuzzle(Workbench& wb) {
    PuzzleControl& pc = wb.pc();
    if (pc.Generate) generatePuzzle(wb);
    wb.theCells().Validate();
    wb.sBlock().scColl.back()->SolvedStatus = 0;
    if (!pc.Generate) {
        if (guessSolve(wb, nullptr, false) == 1) {
            takeGridState(wb, static_cast<int>(wb.sBlock().scColl.size()));
        } else {
            takeGridState(wb, 1).resetPossibilities();
        }
    }
}

}  // namespace velmora
