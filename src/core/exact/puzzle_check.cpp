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
        check.verdict = Verdict::kInvalid;
    } else if (check.solutions == 0) {
        check.verdict = Verdict::kNone;
    } else {
        check.verdict = check.solutions == 1 ? Verdict::kUnique : Verdict::kMultiple;
    }
    return check;
}

namespace {

// The value for `cell` (empty in `puzzle`, which has solutions) that gives exactly one solution,
// or 0. One count to 2 settles it when the puzzle has one solution; otherwise every value the
// cell's peers leave open is counted on its own.
int onlyValueGivingOneSolution(ExactSolver& solver, std::vector<int>& puzzle, int cell,
                               int typedValue) {
    const auto at = static_cast<std::size_t>(cell);
    const SolutionCount open = solver.count(puzzle, 2);
    if (open.solutions == 1) return open.firstSolution[at];
    int found = 0;
    for (int v = 1; v <= solver.shape().n(); ++v) {
        if (v == typedValue) continue;
        puzzle[at] = v;
        const SolutionCount count = solver.count(puzzle, 2);
        if (count.solutions == 1) {
            if (found != 0) {
                found = 0;
                break;
            }
            found = v;
        }
    }
    puzzle[at] = 0;
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
