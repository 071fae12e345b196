// The exact solver, and the verdicts, typo suspects and wrong values built on it, against the
// plain backtracking counter of tests/support, on every shape.
#include <gtest/gtest.h>

#include <algorithm>
#include <random>
#include <stdexcept>

#include "exact/exact_solver.h"
#include "exact/puzzle_check.h"
#include "exact/samples.h"

namespace velmora {
namespace {

using exact_test::oracle;
using exact_test::solves;

// Four cells of a solution in two rows and two columns, spanning two boxes, holding a b / b a:
// with only them open the grid has exactly two solutions.
std::vector<int> deadlyRectangle(const std::vector<int>& s, BoxShape shape) {
    const int n = shape.n();
    auto at = [&](int r, int c) { return s[static_cast<std::size_t>(r * n + c)]; };
    for (int r1 = 0; r1 < n; ++r1)
        for (int r2 = r1 + 1; r2 < n; ++r2)
            for (int c1 = 0; c1 < n; ++c1)
                for (int c2 = c1 + 1; c2 < n; ++c2) {
                    const bool sameBand = r1 / shape.rows == r2 / shape.rows;
                    const bool sameStack = c1 / shape.cols == c2 / shape.cols;
                    if (sameBand != sameStack && at(r1, c1) == at(r2, c2) &&
                        at(r1, c2) == at(r2, c1))
                        return {r1 * n + c1, r1 * n + c2, r2 * n + c1, r2 * n + c2};
                }
    return {};
}

class ExactSolverShapes : public testing::TestWithParam<BoxShape> {};

TEST_P(ExactSolverShapes, UniquePuzzlesGiveTheirOneSolution) {
    const BoxShape shape = GetParam();
    ExactSolver solver(shape);
    for (const auto& s : exact_test::samples(exact_test::singlesFile(shape))) {
        const SolutionCount count = solver.count(s.puzzle, 2);
        EXPECT_EQ(count.solutions, 1);
        EXPECT_TRUE(count.exact());
        EXPECT_EQ(count.firstSolution, s.solution);
    }
}

TEST_P(ExactSolverShapes, CountsAgreeWithThePlainCounter) {
    const BoxShape shape = GetParam();
    ExactSolver solver(shape);
    std::mt19937_64 rng(20240611u + static_cast<unsigned>(shape.rows * 10 + shape.cols));
    for (const auto& s : exact_test::samples(exact_test::singlesFile(shape))) {
        // A deadly pattern alone, then with ever more cells opened: two solutions and upwards.
        std::vector<int> givens = s.solution;
        const auto rectangle = deadlyRectangle(s.solution, shape);
        ASSERT_FALSE(rectangle.empty());
        for (const int cell : rectangle)
            givens[static_cast<std::size_t>(cell)] = 0;
        EXPECT_EQ(solver.count(givens, 10).solutions, 2);
        // One solution has each of the rectangle's two values in its first cell.
        std::vector<int> perValue;
        solver.countByValue(givens, rectangle[0], 10, perValue);
        for (const int cell : {rectangle[0], rectangle[1]}) {
            EXPECT_EQ(
                perValue[static_cast<std::size_t>(s.solution[static_cast<std::size_t>(cell)] - 1)],
                1);
        }
        for (int round = 0; round < 6; ++round) {
            for (int k = 0; k < shape.n(); ++k)
                givens[rng() % givens.size()] = 0;
            const SolutionCount count = solver.count(givens, 10);
            EXPECT_EQ(count.solutions, oracle(givens, shape, 10));
            EXPECT_TRUE(solves(count.firstSolution, givens, shape));
        }
        // One given changed: no solution, one or several, and the counter says which.
        std::vector<int> changed = s.puzzle;
        for (std::size_t at = 0; at < changed.size(); ++at) {
            if (changed[at] == 0) continue;
            changed[at] = changed[at] % shape.n() + 1;
            const SolutionCount count = solver.count(changed, 3);
            EXPECT_EQ(count.solutions, oracle(changed, shape, 3)) << "cell " << at;
            if (count.solutions > 0) {
                EXPECT_TRUE(solves(count.firstSolution, changed, shape));
            }
            changed[at] = s.puzzle[at];
            at += changed.size() / 8;  // a handful of cells per puzzle
        }
    }
}

TEST_P(ExactSolverShapes, EqualGivensAreReportedNotSearched) {
    const BoxShape shape = GetParam();
    const int n = shape.n();
    std::vector<int> givens(static_cast<std::size_t>(n * n), 0);
    givens[1] = 2;
    givens[static_cast<std::size_t>(n - 1)] = 2;                // same row
    givens[static_cast<std::size_t>(n * (n - 1) + n - 1)] = 2;  // same column
    givens[static_cast<std::size_t>(n)] = 2;                    // same box as cell 1 only
    givens[static_cast<std::size_t>(n * (n / 2))] = 3;          // alone
    const SolutionCount count = ExactSolver(shape).count(givens, 2);
    EXPECT_EQ(count.conflictingGivens, (std::vector<int>{1, n - 1, n, n * (n - 1) + n - 1}));
    EXPECT_EQ(count.solutions, 0);
    EXPECT_EQ(count.guesses, 0);
}

TEST_P(ExactSolverShapes, StopsAtTheLimit) {
    const BoxShape shape = GetParam();
    const std::vector<int> empty(static_cast<std::size_t>(shape.cellCount()), 0);
    ExactSolver solver(shape);
    for (const int limit : {1, 5}) {
        const SolutionCount count = solver.count(empty, limit);
        EXPECT_EQ(count.solutions, limit);
        EXPECT_TRUE(count.limitReached);
        EXPECT_TRUE(solves(count.firstSolution, empty, shape));
    }
    const SolutionCount stopped = solver.count(empty, 2, 0);
    EXPECT_TRUE(stopped.budgetExhausted);
    EXPECT_FALSE(stopped.exact());
}

// Every puzzle of the benchmark files has its one solution, found whole; the 9x9 ones (counted by
// a search of their own) are also counted by the plain counter.
TEST(ExactSolver, BenchmarkPuzzlesHaveTheirOneSolution) {
    for (const BoxShape shape : kBoxShapes) {
        const bool nine = shape == BoxShape{3, 3};
        const std::string name = nine ? "minimal-3x3.txt"
                                      : "unique-" + std::to_string(shape.rows) + "x" +
                                            std::to_string(shape.cols) + ".txt";
        ExactSolver solver(shape);
        const auto all = exact_test::benchSamples(name, 1000);
        ASSERT_FALSE(all.empty()) << name;
        for (std::size_t k = 0; k < all.size(); ++k) {
            const SolutionCount count = solver.count(all[k].puzzle, 2);
            EXPECT_EQ(count.solutions, 1) << name << " " << k;
            EXPECT_EQ(count.firstSolution, all[k].solution) << name << " " << k;
            if (nine && k % 50 == 0) {
                EXPECT_EQ(oracle(all[k].puzzle, shape, 2), 1) << k;
            }
        }
    }
}

// The 9x9 search on puzzles with no, one and many solutions: hard puzzles with one given changed
// or taken away, and solved grids with ever more cells opened.
TEST(ExactSolver, NineByNineAgreesWithThePlainCounter) {
    const BoxShape shape{3, 3};
    ExactSolver solver(shape);
    std::mt19937_64 rng(91);
    int seen[3] = {0, 0, 0};
    int tallied = 0;
    for (const auto& s : exact_test::benchSamples("hard-3x3.txt", 40)) {
        std::vector<int> changed = s.puzzle;
        std::size_t at = rng() % changed.size();
        while (changed[at] == 0)
            at = (at + 1) % changed.size();
        changed[at] = rng() % 2 == 0 ? 0 : changed[at] % 9 + 1;
        std::vector<int> opened = s.solution;
        for (int k = 0; k < 35 + static_cast<int>(rng() % 20); ++k)
            opened[rng() % opened.size()] = 0;
        for (const auto& givens : {changed, opened}) {
            const SolutionCount count = solver.count(givens, 3);
            const int expected = oracle(givens, shape, 3);
            EXPECT_EQ(count.solutions, expected);
            ++seen[std::min(expected, 2)];
            if (expected > 0) {
                EXPECT_TRUE(solves(count.firstSolution, givens, shape));
            }
            // Each value of a cell tallied: as often as the puzzle with that value there has
            // solutions.
            std::size_t open = rng() % givens.size();
            while (givens[open] != 0)
                open = (open + 1) % givens.size();
            std::vector<int> perValue;
            if (!solver.countByValue(givens, static_cast<int>(open), 50, perValue).exact()) {
                continue;
            }
            ++tallied;
            std::vector<int> fixed = givens;
            for (int v = 1; v <= 9; ++v) {
                fixed[open] = v;
                EXPECT_EQ(perValue[static_cast<std::size_t>(v - 1)], oracle(fixed, shape, 50));
            }
        }
    }
    EXPECT_GT(seen[0], 0);
    EXPECT_GT(seen[1], 0);
    EXPECT_GT(seen[2], 0);
    EXPECT_GT(tallied, 40);
}

TEST(ExactSolver, NineByNineStopsAtItsGuessBudget) {
    const auto hard = exact_test::samples("guessing-3x3.txt", 1).at(0);
    const SolutionCount stopped = ExactSolver({3, 3}).count(hard.puzzle, 2, 1);
    EXPECT_TRUE(stopped.budgetExhausted);
    EXPECT_EQ(stopped.guesses, 1);
}

TEST(ExactSolver, RejectsWrongInput) {
    EXPECT_THROW(ExactSolver({3, 2}), std::invalid_argument);
    ExactSolver solver({2, 2});
    std::vector<int> tooLarge(16, 0);
    tooLarge[3] = 5;
    EXPECT_THROW((void)solver.count(std::vector<int>(15, 0), 2), std::invalid_argument);
    EXPECT_THROW((void)solver.count(tooLarge, 2), std::invalid_argument);
    EXPECT_THROW((void)solver.count(std::vector<int>(16, 0), 0), std::invalid_argument);
}

TEST_P(ExactSolverShapes, PuzzleCheckVerdictsAndCounts) {
    const BoxShape shape = GetParam();
    const auto s = exact_test::samples(exact_test::singlesFile(shape), 1).at(0);
    const PuzzleCheck unique = checkPuzzle(shape, s.puzzle);
    EXPECT_EQ(unique.verdict, Verdict::Unique);
    EXPECT_EQ(unique.firstSolution, s.solution);

    const std::vector<int> empty(s.puzzle.size(), 0);
    const PuzzleCheck open = checkPuzzle(shape, empty, 7);
    EXPECT_EQ(open.verdict, Verdict::Multiple);
    EXPECT_EQ(open.solutions, 7);
    EXPECT_TRUE(open.limitReached);

    std::vector<int> clash = s.solution;
    clash[0] = clash[1];
    const PuzzleCheck invalid = checkPuzzle(shape, clash);
    EXPECT_EQ(invalid.verdict, Verdict::Invalid);
    EXPECT_FALSE(invalid.conflictingGivens.empty());
}

// Every given of the first sample changed in turn until the puzzle has no solution: the typo
// finder must name the changed cell with its right value, and every suspect it names must make
// the puzzle solvable when removed.
TEST_P(ExactSolverShapes, PuzzleCheckFindsAChangedGivenAndItsValue) {
    const BoxShape shape = GetParam();
    const auto s = exact_test::samples(exact_test::singlesFile(shape), 1).at(0);
    int typosTried = 0;
    for (std::size_t at = 0; at < s.puzzle.size() && typosTried < 2; ++at) {
        if (s.puzzle[at] == 0) continue;
        std::vector<int> typed = s.puzzle;
        for (int v = 1; v <= shape.n() && typosTried < 2; ++v) {
            typed[at] = v;
            if (v == s.puzzle[at] || oracle(typed, shape, 1) != 0) continue;
            ++typosTried;
            const TypoReport report = findTypos(shape, typed);
            ASSERT_TRUE(report.searched);
            const auto it =
                std::find_if(report.suspects.begin(), report.suspects.end(),
                             [&](const TypoSuspect& t) { return t.cell == static_cast<int>(at); });
            ASSERT_NE(it, report.suspects.end()) << "cell " << at << " typed " << v;
            if (it->value != s.puzzle[at]) {
                // No value only when another value gives exactly one solution as well.
                EXPECT_EQ(it->value, 0);
                std::vector<int> other = typed;
                int unique = 0;
                for (int w = 1; w <= shape.n(); ++w) {
                    other[at] = w;
                    unique += oracle(other, shape, 2) == 1 ? 1 : 0;
                }
                EXPECT_GE(unique, 2) << "cell " << at << " typed " << v;
            }
            for (const TypoSuspect& suspect : report.suspects) {
                std::vector<int> without = typed;
                without[static_cast<std::size_t>(suspect.cell)] = 0;
                EXPECT_GT(oracle(without, shape, 1), 0) << "suspect " << suspect.cell;
            }
        }
    }
    EXPECT_EQ(typosTried, 2);
}

TEST_P(ExactSolverShapes, PuzzleCheckWrongValuesAgainstTheOneSolution) {
    const BoxShape shape = GetParam();
    const auto s = exact_test::samples(exact_test::singlesFile(shape), 1).at(0);
    std::vector<int> user(s.puzzle.size(), 0);
    std::vector<int> expected;
    for (std::size_t at = 0, open = 0; at < user.size(); ++at) {
        if (s.puzzle[at] != 0) continue;
        user[at] = s.solution[at];
        if (open++ % 5 == 1) {
            user[at] = s.solution[at] % shape.n() + 1;
            expected.push_back(static_cast<int>(at));
        }
    }
    EXPECT_EQ(findWrongValues(shape, s.puzzle, user), expected);
    const std::vector<int> empty(s.puzzle.size(), 0);
    EXPECT_FALSE(findWrongValues(shape, empty, user).has_value());
}

// Two open cells left without a value by two separate sets of givens: no single given is to
// blame. With a solvable puzzle there is nothing to look for.
TEST(TypoSearch, TwoBlockedCellsAreNotOneTypo) {
    const BoxShape shape{3, 3};
    std::vector<int> givens(81, 0);
    for (int k = 0; k < 6; ++k) {
        givens[static_cast<std::size_t>(3 + k)] = k + 1;      // row 0, columns 3..8
        givens[static_cast<std::size_t>(8 * 9 + k)] = k + 1;  // row 8, columns 0..5
    }
    for (int k = 0; k < 3; ++k) {
        givens[static_cast<std::size_t>((3 + k) * 9)] = 7 + k;      // column 0, rows 3..5
        givens[static_cast<std::size_t>((5 + k) * 9 + 8)] = 7 + k;  // column 8, rows 5..7
    }
    ASSERT_EQ(checkPuzzle(shape, givens).verdict, Verdict::None);
    EXPECT_TRUE(findTypos(shape, givens).noSingleGivenExplains());
    EXPECT_FALSE(findTypos(shape, std::vector<int>(81, 0)).searched);
}

INSTANTIATE_TEST_SUITE_P(AllShapes, ExactSolverShapes, testing::ValuesIn(kBoxShapes),
                         [](const auto& p) { return test::shapeName(p.param); });

}  // namespace
}  // namespace velmora
