// The one procedure through which the Solve and Generate commands reach the solver.
#pragma once

#include "model/scells.h"

namespace velmora {

class Workbench;

// Generates first when Generate is set, then solves the current grid with the guessing solver
// and installs the outcome (the solution, or the state logic reached) as the current grid.
void solvePuzzle(Workbench& wb);

// Makes a copy of grid-stack item k (1-based), rebuilds the puzzle and copies the saved state
// into the new current grid, which it returns.
scells& takeGridState(Workbench& wb, int k);

}  // namespace velmora
