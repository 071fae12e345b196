#include "solving/solve_driver.h"

#include "elimination/candidates.h"
#include "elimination/grid_build.h"
#include "elimination/statsblock.h"
#include "model/puzzle_control.h"
#include "solving/generator.h"
#include "solving/guess_solver.h"

namespace velmora {

scells& takeGridState(PuzzleControl& pc, int k) {
    const GridPtr source = pc.sBlock->scColl.at(static_cast<std::size_t>(k - 1));
    // The saved state needs only values and flags; a plain copy stands for a built grid.
    scells saved;
    saved.cloneFrom(*source);
    buildPuzzle(pc);
    saved.sCopy(*pc.theCells);
    return *pc.theCells;
}

void solvePuzzle(PuzzleControl& pc, GenerationProgress& progress) {
    if (pc.Generate) generatePuzzle(pc, progress);
    pc.theCells->Validate();
    pc.sBlock->scColl.back()->SolvedStatus = 0;
    if (!pc.Generate) {
        if (guessSolve(pc, nullptr, false) == 1) {
            takeGridState(pc, static_cast<int>(pc.sBlock->scColl.size()));
        } else {
            resetPossibilities(takeGridState(pc, 1));
        }
    }
}

}  // namespace velmora
