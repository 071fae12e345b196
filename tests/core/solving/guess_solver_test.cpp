// The guessing solver: when it guesses, what it leaves on the grid stack, and its limits.
#include <gtest/gtest.h>

#include "model/size_options.h"
#include "solving/guess_solver.h"
#include "solving/solve_driver.h"
#include "support/puzzle_fixture.h"

namespace velmora {
namespace {

// Box 8 of this 9x9 has no place left for the value 1, which no rule detects at once.
const std::string kNoPlaceForOne =
    "........1"
    "........."
    "........."
    "........."
    "........."
    "........."
    "1......23"
    "...1..4.5"
    "......67.";

// The same trap on a 4x4 grid, small enough for the search to exhaust.
const std::string kSmallUnsolvable =
    "...1"
    "...."
    "1..2"
    "..3.";

TEST(GuessSolve, LogicOnlyPuzzleNeedsOneCallAndNoCopy) {
    test::Bench bench;
    bench.enterGivens(test::loadSamples("logic-3x3.txt").at(0).puzzle);
    const auto stackSize = bench.wb->sBlock().scColl.size();
    EXPECT_EQ(guessSolve(*bench.wb, nullptr, false), 1);
    EXPECT_EQ(bench.wb->sBlock().Tries, 1);
    EXPECT_EQ(bench.wb->sBlock().scColl.size(), stackSize);
}

TEST(GuessSolve, WithoutBruteForceItNeverGuesses) {
    test::Bench bench;
    bench.enterGivens(test::loadSamples("guessing-3x3.txt").at(0).puzzle);
    const auto stackSize = bench.wb->sBlock().scColl.size();
    EXPECT_EQ(guessSolve(*bench.wb, nullptr, false), 2);
    EXPECT_EQ(bench.wb->sBlock().scColl.size(), stackSize);
    EXPECT_EQ(bench.status.panel(2), "");
}

TEST(GuessSolve, BruteForceFindsTheOnlySolution) {
    for (const test::SamplePuzzle& sample : test::loadSamples("guessing-3x3.txt")) {
        test::Bench bench(3, 3, 7);
        bench.enterGivens(sample.puzzle);
        bench.pc().guessingEnabled = true;
        ASSERT_EQ(guessSolve(*bench.wb, nullptr, false), 1);
        scells& solved = *bench.wb->sBlock().scColl.back();
        std::string text;
        for (int b = 0; b < 81; ++b)
            text += bench.pc().elementChar(solved.getcellBigindex(b).Trying);
        EXPECT_EQ(text, sample.solution);
        EXPECT_NE(bench.status.panel(2).find("Iteration  "), std::string::npos);
    }
}

TEST(GuessSolve, FillsAnEmptyGridOfEveryShapeWithAValidSolution) {
    for (const SizeOption& option : kSizeOptions) {
        test::Bench bench(option.nRows, option.nCols, 11);
        ASSERT_EQ(guessSolve(*bench.wb, nullptr, true), 1) << option.nRows << "x" << option.nCols;
        takeGridState(*bench.wb, static_cast<int>(bench.wb->sBlock().scColl.size()));
        EXPECT_TRUE(test::isSolution(bench.gridText(), option.nRows, option.nCols));
    }
}

TEST(GuessSolve, TwoRunsFillEmptyGridsDifferently) {
    test::Bench bench(3, 3, 5);
    ASSERT_EQ(guessSolve(*bench.wb, nullptr, true), 1);
    takeGridState(*bench.wb, static_cast<int>(bench.wb->sBlock().scColl.size()));
    const std::string first = bench.gridText();
    bench.wb->buildPuzzle();
    ASSERT_EQ(guessSolve(*bench.wb, nullptr, true), 1);
    takeGridState(*bench.wb, static_cast<int>(bench.wb->sBlock().scColl.size()));
    EXPECT_NE(bench.gridText(), first);
}

TEST(GuessSolve, GivesUpAtTheCallLimit) {
    test::Bench bench;
    bench.enterGivens(kNoPlaceForOne);
    bench.pc().guessingEnabled = true;
    EXPECT_EQ(guessSolve(*bench.wb, nullptr, false), 0);
    EXPECT_GE(bench.wb->sBlock().Tries, kGuessCallLimit);
    EXPECT_EQ(bench.status.panel(2), "Fed up with this one- I give up");
    // Only the grid the search started from is left: every failed copy was removed.
    EXPECT_EQ(bench.wb->sBlock().scColl.size(), 2u);
}

TEST(GuessSolve, ExhaustedSearchProvesThePuzzleUnsolvable) {
    test::Bench bench(2, 2);
    bench.enterGivens(kSmallUnsolvable);
    bench.pc().guessingEnabled = true;
    bench.pc().solving = true;
    solvePuzzle(*bench.wb);
    EXPECT_LT(bench.wb->sBlock().Tries, kGuessCallLimit);
    EXPECT_EQ(bench.cells().SolvedStatus, 0);
}

TEST(GuessSolve, SolvedGridNeverBreaksTheRules) {
    // Brute force on puzzles with several solutions must still hand back a valid grid.
    for (const SizeOption& option : kSizeOptions) {
        test::Bench bench(option.nRows, option.nCols, 3);
        std::string puzzle(static_cast<std::size_t>(bench.n() * bench.n()), '.');
        puzzle[0] = bench.pc().sElements[0];
        puzzle[static_cast<std::size_t>(bench.n() + 2)] = bench.pc().sElements[1];
        bench.enterGivens(puzzle);
        bench.pc().guessingEnabled = true;
        bench.pc().solving = true;
        solvePuzzle(*bench.wb);
        ASSERT_EQ(bench.cells().SolvedStatus, 1);
        const std::string solved = bench.gridText();
        EXPECT_TRUE(test::isSolution(solved, option.nRows, option.nCols));
        EXPECT_EQ(solved[0], puzzle[0]);
        EXPECT_TRUE(bench.cells().getcellBigindex(0).Original);
    }
}

}  // namespace
}  // namespace velmora
