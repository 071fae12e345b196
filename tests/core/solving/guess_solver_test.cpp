// The guessing solver: when it guesses, what it leaves on the grid stack, and its limits. (That
// whatever it calls solved keeps the givens and breaks no rule is the brute-force property
// test's.)
#include <gtest/gtest.h>

#include "solving/guess_solver.h"
#include "solving/solve_driver.h"
#include "support/puzzle_fixture.h"

namespace velmora {
namespace {

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
        takeGridState(*bench.wb, static_cast<int>(bench.wb->sBlock().scColl.size()));
        EXPECT_EQ(bench.gridText(), sample.solution);
        EXPECT_NE(bench.status.panel(2).find("Iteration  "), std::string::npos);
    }
}

TEST(GuessSolve, TwoRunsFillEmptyGridsDifferently) {
    test::Bench bench(3, 3, 5);
    std::string first;
    for (int run = 0; run < 2; ++run) {
        bench.wb->buildPuzzle();
        ASSERT_EQ(guessSolve(*bench.wb, nullptr, true), 1);
        takeGridState(*bench.wb, static_cast<int>(bench.wb->sBlock().scColl.size()));
        EXPECT_TRUE(test::isSolution(bench.gridText(), 3, 3));
        EXPECT_NE(bench.gridText(), first);
        first = bench.gridText();
    }
}

TEST(GuessSolve, GivesUpAtTheCallLimit) {
    // Box 8 has no place left for the value 1, which no rule detects at once.
    test::Bench bench;
    bench.enterGivens(
        "........1.............................................1......23...1..4.5......67.");
    bench.pc().guessingEnabled = true;
    EXPECT_EQ(guessSolve(*bench.wb, nullptr, false), 0);
    EXPECT_GE(bench.wb->sBlock().Tries, kGuessCallLimit);
    EXPECT_EQ(bench.status.panel(2), "Fed up with this one- I give up");
    // Only the grid the search started from is left: every failed copy was removed.
    EXPECT_EQ(bench.wb->sBlock().scColl.size(), 2u);
}

TEST(GuessSolve, ExhaustedSearchProvesThePuzzleUnsolvable) {
    // The same trap on a 4x4 grid, small enough for the search to exhaust.
    test::Bench bench(2, 2);
    bench.enterGivens("...1....1..2..3.");
    bench.pc().guessingEnabled = true;
    bench.pc().solving = true;
    solvePuzzle(*bench.wb);
    EXPECT_LT(bench.wb->sBlock().Tries, kGuessCallLimit);
    EXPECT_EQ(bench.cells().SolvedStatus, 0);
}

}  // namespace
}  // namespace velmora
