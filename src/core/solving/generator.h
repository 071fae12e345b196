// The puzzle generator: a random complete grid from the guessing solver, then values removed in
// random order, a few cells at a time, as long as the enabled rules alone still finish the
// puzzle, down to a number of givens set by the grid size and the difficulty.
#pragma once

#include <array>

#include "model/scells.h"
#include "solving/generation_progress.h"

namespace velmora {

class PuzzleControl;

// The least number of givens aimed at, per size option (sgValue).
inline constexpr std::array<int, 10> kMinGivens{24, 105, 4, 9, 47, 18, 33, 97, 50, 125};

int minGivens(int sgValue);

// N * (100 - difficulty) / 100 + minGivens, rounded to the nearest integer, a half going to the
// even neighbour.
int targetGivens(int n, int difficultyPercent, int sgValue);

// How often the target may be missed before it is relaxed by one given.
inline constexpr int kAttemptsPerTarget = 750;

// Fills the current (empty) grid with a random complete solution and makes it the current grid.
scells& makeBaseGrid(PuzzleControl& pc);

// Makes a new puzzle of the configured size and difficulty; returns the current grid, whose
// Original cells are the givens and whose other cells are empty. Leaves Generate false.
scells& generatePuzzle(PuzzleControl& pc, GenerationProgress& progress);

}  // namespace velmora
