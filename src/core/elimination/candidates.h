// The candidate sets of the open cells: the basic computation from the Sure cells, the
// recomputation for display, and solving by elimination alone.
#pragma once

namespace velmora {

class scell;
class scells;

// The cell's basic candidates from the Sure cells of its row, box and column; the count.
// Changes nothing while pencil marks are manual.
int generatePossibilities(scell& cell);
// The basic candidates of every open cell; nothing while pencil marks are manual.
void generateAllPossibilities(scells& grid);
// Zeroes the counters and recomputes every open cell's candidates, with the elimination pass
// when `complex`; returns what the pass removed. Nothing (0) while pencil marks are manual.
int rebuildPossibilities(scells& grid, bool complex);
// Recomputes for display: the complex rules when generating, solving, guessing or not limited to
// simple elimination.
void resetPossibilities(scells& grid);
// Solves by elimination alone: recompute with the complex rules, settle every single-candidate
// cell, and again while that settled a cell and something is left open.
void allPossibilities(scells& grid);

}  // namespace velmora
