// The elimination counters of the last candidate recomputation, plus the guessing solver's
// bookkeeping: its call counter and its stack of grid states.
#pragma once

#include <cstdint>
#include <vector>

#include "model/scells.h"

namespace velmora {

class PuzzleControl;
class StatusBar;

class Statsblock {
  public:
    int Tries = 0;     // guessing-solver calls since the top-level call
    int neGrabs = 0;   // removed by the box-line rule
    int nemore = 0;    // kept for the counter set; no rule feeds it
    int neHPairs = 0;  // removed by the hidden-pair rule
    int nehTriplets = 0;
    int nehQuads = 0;
    int neXwing = 0;
    int neSwordfish = 0;
    // The grid stack: the last item is the grid being worked on.
    std::vector<GridPtr> scColl;
    // Grids that left the stack, kept for the next copies: a guessing search makes and drops
    // hundreds of grids, and handing their memory back to the system only to fault it in again
    // costs more than the search itself on the large shapes.
    std::vector<GridPtr> spareGrids;
    PuzzleControl* pControl = nullptr;
    StatusBar* sBar = nullptr;

    void init(PuzzleControl& pc, StatusBar& bar);
    void Reset() { Tries = 0; }
    // Zeroes the rule counters (and the naked-subset counts), not Tries.
    void ResetElims();
    // A spare grid, or a new one when none is left; its contents are for the caller to set.
    GridPtr takeGrid();
    // Keeps `grid` as a spare when nothing else refers to it; otherwise just lets it go.
    void keepGrid(GridPtr&& grid);
    // Empties the grid stack, keeping its grids as spares.
    void clearStack();
};

}  // namespace velmora
