// The one procedure through which the Solve and Generate commands reach the solver.
#pragma once

#include "model/scells.h"
#include "solving/generation_progress.h"

namespace velmora {

class PuzzleControl;

// Generates first when Generate is set, then solves the current grid with the guessing solver
// and installs the outcome (the solution, or the state logic reached) as the current grid.
void solvePuzzle(PuzzleControl& pc, GenerationProgress& progress);

// Makes a copy of grid-stack item k (1-based), rebuilds the puzzle and copies the saved state
// into the new current grid, which it returns.
scells& takeGridState(PuzzleControl& pc, int k);

}  // namespace velmora
