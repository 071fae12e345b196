// An exact solution counter for every box shape: how many solutions a puzzle has, up to a limit.
//
// Unlike the guessing solver it never gives up on its own: it propagates naked and hidden singles
// and locked candidates and searches depth first, branching on a cell with two values, until it
// has found as many solutions as asked for or has shown there are no more. The 9x9 grid has a
// search of its own laid out by bands (band_search.h), every other shape the generic one
// (exact_search.h).
#pragma once

#include <cstdint>
#include <span>
#include <vector>

#include "model/box_shape.h"

namespace velmora {

// What a count found. Cells are bigindexes (row * N + col); values are element numbers 1..N.
struct SolutionCount {
    // Solutions found; never more than the limit asked for.
    int solutions = 0;
    // The count stopped because it reached the limit: there may be more solutions.
    bool limitReached = false;
    // The count stopped because the guess budget ran out: `solutions` is only a lower bound.
    bool budgetExhausted = false;
    // The first solution found, N*N values row by row; empty when there is none.
    std::vector<int> firstSolution;
    // Every given that has an equal given in one of its units, in ascending order. When there
    // are any, nothing was searched and `solutions` is 0.
    std::vector<int> conflictingGivens;
    // Guesses the search made: a measure of how hard the puzzle was.
    std::int64_t guesses = 0;

    // True when `solutions` is the number of solutions, not a lower bound.
    bool exact() const { return !limitReached && !budgetExhausted; }
};

// Reusable: constructing one sets up the search stack of its shape, and a count then allocates
// nothing but its result.
class ExactSolver {
  public:
    static constexpr std::int64_t kNoBudget = -1;

    // Throws std::invalid_argument for a shape that is not one of kBoxShapes.
    explicit ExactSolver(BoxShape shape);

    BoxShape shape() const { return shape_; }

    // Counts the solutions of `givens` (N*N element numbers row by row, 0 for an empty cell) up
    // to `limit` (>= 1). With a budget the search stops after that many guesses. Throws
    // std::invalid_argument for a wrong number of cells, a value outside 0..N or a limit below 1.
    SolutionCount count(std::span<const int> givens, int limit,
                        std::int64_t guessBudget = kNoBudget);

    // Counts like count() and adds up, for each value v, the solutions found that have v in
    // `cell`: perValue[v - 1]. Exact for every value when the count is exact.
    SolutionCount countByValue(std::span<const int> givens, int cell, int limit,
                               std::vector<int>& perValue);

  private:
    SolutionCount run(std::span<const int> givens, int limit, std::int64_t guessBudget,
                      int tallyCell, int* tally);
    void findConflicts(std::span<const int> givens, std::vector<int>& cells) const;

    BoxShape shape_;
    UnitTable units_;
    // The search stack, one level per guess and the level of the givens, each level the
    // candidates of every value row by row; see exact_search.h.
    std::vector<std::uint32_t> stack_;
    std::vector<std::uint8_t> branches_;
};

}  // namespace velmora
