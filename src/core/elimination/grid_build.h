// Building grids and the user's puzzle: the steps that need candidates and the grid stack.
#pragma once

#include "model/scells.h"

namespace velmora {

class PuzzleControl;

// Candidates for the display, then the solver order sorted by candidate count.
void initfinishoff(scells& grid);
// initstartoff, then initfinishoff when the grid was built; returns N or 0.
int initstandalone(scells& grid, PuzzleControl& pc);
// The grid's own init: initstandalone, then the grid goes onto pc's grid stack.
void initOnGridStack(const GridPtr& grid, PuzzleControl& pc);

// Builds a new empty grid of the selected size as the current grid, with a new grid stack, the
// unit tables for the size and the technique switches read again. The controllers must exist.
void buildPuzzle(PuzzleControl& pc);
// Reads the window's technique switches into the module's subset and rule switches.
void readSubsetSwitches(PuzzleControl& pc);

}  // namespace velmora
