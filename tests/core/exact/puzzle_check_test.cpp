// Verdicts, typo suspects and wrong values, checked against the plain backtracking counter.
#include "exact/puzzle_check.h"

#include <gtest/gtest.h>

#include <algorithm>

#include "exact/samples.h"

namespace velmora {
namespace {

using exact_test::oracle;

class PuzzleCheckShapes : public testing::TestWithParam<BoxShape> {};

TEST_P(PuzzleCheckShapes, VerdictsAndCounts) {
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
TEST_P(PuzzleCheckShapes, FindsAChangedGivenAndItsValue) {
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

TEST_P(PuzzleCheckShapes, WrongValuesAgainstTheOneSolution) {
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

INSTANTIATE_TEST_SUITE_P(AllShapes, PuzzleCheckShapes, testing::ValuesIn(kBoxShapes),
                         [](const auto& p) { return test::shapeName(p.param); });

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

}  // namespace
}  // namespace velmora
