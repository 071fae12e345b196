// The check of a typed-in puzzle: is it a proper puzzle (exactly one solution), which given is
// probably a typo when it has none, and which of the user's own values are wrong.
//
// Pure functions on values: cells are bigindexes (row * N + col), values element numbers 1..N
// with 0 for an empty cell, N*N of them row by row. A wrong number of cells or a value outside
// 0..N throws std::invalid_argument.
#pragma once

#include <optional>
#include <span>
#include <vector>

#include "model/box_shape.h"

namespace velmora {

enum class Verdict {
    Invalid,   // two equal givens in a row, column or box; nothing was searched
    None,      // no solution
    Unique,    // exactly one solution: a proper puzzle
    Multiple,  // more than one solution
};

struct PuzzleCheck {
    Verdict verdict = Verdict::None;
    // Solutions found, exact unless `limitReached`; 0 for Invalid.
    int solutions = 0;
    // The count stopped at the limit: there are at least `solutions`.
    bool limitReached = false;
    // The first solution found; empty for Invalid and None.
    std::vector<int> firstSolution;
    // For Invalid: every given with an equal given in one of its units, ascending.
    std::vector<int> conflictingGivens;
};

// Counts the solutions of `givens` up to `limit` (at least 2, so that Unique is certain).
PuzzleCheck checkPuzzle(BoxShape shape, std::span<const int> givens, int limit = 2);

// A given whose removal alone makes an unsolvable puzzle solvable.
struct TypoSuspect {
    int cell = 0;
    // The one value for the cell that gives exactly one solution, or 0 when no value or more
    // than one value does.
    int value = 0;
    bool operator==(const TypoSuspect&) const = default;
};

struct TypoReport {
    // False when the puzzle has a solution: there is no typo to look for.
    bool searched = false;
    // Ascending by cell.
    std::vector<TypoSuspect> suspects;

    // The puzzle has no solution, and no single given removed gives it one.
    bool noSingleGivenExplains() const { return searched && suspects.empty(); }
};

// Looks for typos in a puzzle without a solution (equal givens included: then only those givens
// can be the typo). Runs one count per given, and a few more per suspect.
TypoReport findTypos(BoxShape shape, std::span<const int> givens);

// The cells where `userValues` (0 where the user has entered nothing; cells of givens are not
// looked at) differ from the solution of `givens`, ascending; nothing when the givens do not have
// exactly one solution.
std::optional<std::vector<int>> findWrongValues(BoxShape shape, std::span<const int> givens,
                                                std::span<const int> userValues);

}  // namespace velmora
