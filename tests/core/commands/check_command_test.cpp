// The Check button as the user meets it: a proper puzzle, a typo, wrong values, equal givens.
#include "commands/check_command.h"

#include <gtest/gtest.h>

#include "bench.h"
#include "commands/commands.h"

namespace velmora {
namespace {

const std::string& report(test::DrawnBench& b) {
    return static_cast<const QuietExplanation&>(b.wb->module().explanation()).text;
}

int attention(const test::FakeSurface& s) {
    int count = 0;
    for (const CellView& c : s.cells)
        count += c.format.back == rgb(255, 210, 140) || c.format.back == rgb(250, 190, 110);
    return count;
}

TEST(Check, AProperPuzzleWithWrongValuesShownOnTheSecondPress) {
    const test::SamplePuzzle sample = test::loadSamples("guessing-3x3.txt").at(0);
    test::DrawnBench b;
    b.enterGivens(sample.puzzle);
    cbenterSolution_Click(*b.wb);
    // Two values of the user's: one right, one wrong.
    int right = -1;
    int wrong = -1;
    for (int cell = 0; cell < 81 && (right < 0 || wrong < 0); ++cell) {
        if (sample.puzzle[static_cast<std::size_t>(cell)] != '.') continue;
        const char answer = sample.solution[static_cast<std::size_t>(cell)];
        b.moveTo(cell / 9, cell % 9);
        if (right < 0) {
            b.type(std::string(1, answer));
            right = cell;
        } else {
            b.type(answer == '1' ? "2" : "1");
            wrong = cell;
        }
    }
    cbCheck_Click(*b.wb);
    EXPECT_EQ(b.status.panel(Panel::Status),
              "The givens have exactly one solution: a proper puzzle.");
    EXPECT_NE(report(b).find("One of your values is wrong"), std::string::npos) << report(b);
    EXPECT_NE(report(b).find("Rating: beyond"), std::string::npos) << report(b);
    EXPECT_EQ(attention(b.surface), 0);
    const std::string before = b.gridText();
    cbCheck_Click(*b.wb);
    EXPECT_NE(report(b).find("Wrong: r" + std::to_string(wrong / 9 + 1) + "c" +
                             std::to_string(wrong % 9 + 1)),
              std::string::npos)
        << report(b);
    EXPECT_EQ(attention(b.surface), 1);
    EXPECT_EQ(b.gridText(), before) << "Check never changes the grid";
}

TEST(Check, AGivenTypedWrongIsNamedWithItsRightValue) {
    // The guessing sample with r1c6 typed as 9 instead of 8: no solution any more.
    std::string puzzle = test::loadSamples("guessing-3x3.txt").at(0).puzzle;
    ASSERT_EQ(puzzle[5], '8');
    puzzle[5] = '9';
    test::DrawnBench b;
    b.enterGivens(puzzle);
    b.pc().wLanguage = 1;
    cbCheck_Click(*b.wb);
    EXPECT_EQ(b.status.panel(Panel::Status), "Die Vorgaben haben keine Lösung.");
    EXPECT_NE(report(b).find("r1c6 (richtig wäre 8)"), std::string::npos) << report(b);
    EXPECT_GE(attention(b.surface), 1);
}

TEST(Check, EqualGivensAreShownAndNothingIsSearched) {
    std::string puzzle(36, '.');
    puzzle[0] = '3';
    puzzle[4] = '3';
    test::DrawnBench b(2, 3);
    b.enterGivens(puzzle);
    cbCheck_Click(*b.wb);
    EXPECT_EQ(b.wb->check().findings().check.verdict, Verdict::Invalid);
    EXPECT_NE(report(b).find("r1c1 and r1c5"), std::string::npos) << report(b);
    EXPECT_EQ(attention(b.surface), 2);
}

}  // namespace
}  // namespace velmora
