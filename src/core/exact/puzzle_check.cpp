#include "exact/puzzle_check.h"

#include <stdexcept>

#include "exact/exact_solver.h"

namespace velmora {

PuzzleCheck checkPuzzle(BoxShape shape, std::span<const int> givens, int limit) {
    if (limit < 2) throw std::invalid_argument("a puzzle check counts to at least 2");
    ExactSolver solver(shape);
    SolutionCount count = solver.count(givens, limit);
    PuzzleCheck check;
    check.solutions = count.solutions;
    check.limitReached = count.limitReached;
    check.firstSolution = std::move(count.firstSolution);
    check.conflictingGivens = std::move(count.conflictingGivens);
    if (!check.conflictingGivens.empty()) {
        check.verdict = Verdict::Invalid;
    } else if (check.solutions == 0) {
        check.verdict = Verdict::None;
    } else {
        check.verdict = check.solutions == 1 ? Verdict::Unique : Verdict::Multiple;
    }
    return check;
}

namespace {

// Solutions of a puzzle with a suspect removed are enumerated up to this many; a count that
// gets there leaves the values it has not yet seen twice to be counted one by one.
constexpr int kEnumerated = 16;

// The value for `cell` (empty in `puzzle`, which has solutions) that gives exactly one solution,
// or 0; the typed value gives none. When the puzzle has only a few solutions one enumeration
// settles it: a value gives exactly one solution when exactly one of them has it in the cell.
int onlyValueGivingOneSolution(ExactSolver& solver, std::vector<int>& puzzle, int cell, int typed) {
    const auto at = static_cast<std::size_t>(cell);
    std::vector<int> perValue;
    const bool exact = solver.countByValue(puzzle, cell, kEnumerated, perValue).exact();
    int found = 0;
    for (int v = 1; v <= solver.shape().n(); ++v) {
        int solutions = perValue[static_cast<std::size_t>(v - 1)];
        if (!exact && solutions < 2 && v != typed) {
            puzzle[at] = v;
            solutions = solver.count(puzzle, 2).solutions;
            puzzle[at] = 0;
        }
        if (solutions != 1) continue;
        if (found != 0) return 0;
        found = v;
    }
    return found;
}

}  // namespace

TypoReport findTypos(BoxShape shape, std::span<const int> givens) {
    ExactSolver solver(shape);
    TypoReport report;
    const SolutionCount whole = solver.count(givens, 1);
    if (whole.solutions > 0) return report;
    report.searched = true;

    // With equal givens only they can be the typo: removing any other leaves the clash.
    std::vector<int> candidates = whole.conflictingGivens;
    if (candidates.empty()) {
        for (std::size_t at = 0; at < givens.size(); ++at) {
            if (givens[at] != 0) candidates.push_back(static_cast<int>(at));
        }
    }
    std::vector<int> puzzle(givens.begin(), givens.end());
    for (const int cell : candidates) {
        const auto at = static_cast<std::size_t>(cell);
        puzzle[at] = 0;
        if (solver.count(puzzle, 1).solutions > 0) {
            report.suspects.push_back(
                {cell, onlyValueGivingOneSolution(solver, puzzle, cell, givens[at])});
        }
        puzzle[at] = givens[at];
    }
    return report;
}

std::optional<std::vector<int>> findWrongValues(BoxShape shape, std::span<const int> givens,
                                                std::span<const int> userValues) {
    if (userValues.size() != givens.size()) throw std::invalid_argument("wrong number of cells");
    ExactSolver solver(shape);
    const SolutionCount count = solver.count(givens, 2);
    if (count.solutions != 1) return std::nullopt;
    std::vector<int> wrong;
    for (std::size_t at = 0; at < givens.size(); ++at) {
        const int v = userValues[at];
        if (v < 0 || v > shape.n()) throw std::invalid_argument("value outside 0..N");
        if (givens[at] == 0 && v != 0 && v != count.firstSolution[at]) {
            wrong.push_back(static_cast<int>(at));
        }
    }
    return wrong;
}

}  // namespace velmora
