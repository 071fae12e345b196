// A plain backtracking counter, independent of the program's solver, for checking puzzles.
#pragma once

#include <vector>

namespace velmora::test {

// The number of solutions of a puzzle (values row by row, 1..N, 0 empty) with boxes
// boxRows x boxCols, counting no further than `limit`. Givens in conflict give 0.
int countSolutions(const std::vector<int>& values, int boxRows, int boxCols, int limit = 2);

// True when `values` is a complete grid obeying the rules.
bool isSolution(const std::vector<int>& values, int boxRows, int boxCols);

}  // namespace velmora::test
