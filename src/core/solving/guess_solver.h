// The guessing solver: depth-first search on copies of the grid pushed on the grid stack,
// guessing in the open cell with the fewest candidates (ties broken at random), candidates in the
// cell's random order.
#pragma once

#include <vector>

#include "model/scells.h"

namespace velmora {

class PuzzleControl;

// The most calls one top-level search may make; the call that reaches it gives up.
inline constexpr int kGuessCallLimit = 750;
// Panel 2 when a search reaches the limit.
inline constexpr const char* kGiveUpText = "Fed up with this one- I give up";

// Solves the last grid of the grid stack. sGuess is the cell just guessed (nullptr at the top
// level); force makes it guess even when brute force is off. Returns 1 solved (the solution is
// the last grid of the stack), 0 no solution on this path or given up, 2 undecided.
int guessSolve(PuzzleControl& pc, const scell* sGuess, bool force);

// Elimination alone, then the completion test: 1 solved, 0 contradiction, 2 undecided.
int tryIt(scells& grid);

// A new grid on the grid stack holding this grid's values and givens (see scells::cloneFrom).
GridPtr Clone(scells& grid);

// The open cell the search guesses on: one with the fewest candidates, drawn uniformly among
// those; nullptr when no cell is open.
scell* pickGuessCell(scells& grid, Random& random);

// Releases and removes the last grid; returns the new last grid, or nullptr when none is left.
GridPtr popGrid(std::vector<GridPtr>& stack);

}  // namespace velmora
