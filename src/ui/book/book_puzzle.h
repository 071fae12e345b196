// One puzzle of a puzzle book: its givens, the solution printed at the back and the rating shown
// below it. Made without a toolkit, so the command line and the window share it.
#pragma once

#include <string>
#include <vector>

#include "model/box_shape.h"
#include "steps/rating.h"
#include "steps/rule_switches.h"

namespace velmora::book {

struct BookPuzzle {
    BoxShape shape;
    std::string elements;       // the element characters, one Latin-1 byte each
    std::vector<int> givens;    // element numbers 1..N row by row, 0 for an empty cell
    std::vector<int> solution;  // the same, complete; empty when no solution was found
    Rating rating;
};

// Rates the givens by their explained path under `rules` and takes the solution from that path,
// or, when the rules get stuck, from the guessing solver.
BookPuzzle makeBookPuzzle(BoxShape shape, std::vector<int> givens, std::string elements,
                          const RuleSwitches& rules = {});

// The guessing solver's solution of the givens, or nothing when they conflict, have no solution
// or the search gives up.
std::vector<int> solveByGuessing(BoxShape shape, const std::vector<int>& givens);

}  // namespace velmora::book
