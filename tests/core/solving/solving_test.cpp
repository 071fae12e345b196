// The guessing solver (when it guesses, what it leaves on the grid stack, its limit), the hint,
// and the property that a solve never breaks a given or a rule.
#include <gtest/gtest.h>

#include "bench.h"
#include "commands/commands.h"
#include "solution_count.h"
#include "solving/guess_solver.h"
#include "solving/hint.h"
#include "solving/solve_driver.h"

namespace velmora::test {
namespace {

TEST(GuessSolve, LogicAloneNeedsOneCallAndNoCopyAndNothingIsGuessedWithoutBruteForce) {
    Bench bench;
    bench.enterGivens(loadSamples("logic-3x3.txt").at(0).puzzle);
    EXPECT_EQ(guessSolve(bench.pc(), nullptr, false), 1);
    EXPECT_EQ(bench.wb->sBlock().Tries, 1);
    EXPECT_EQ(bench.wb->sBlock().scColl.size(), 2u);
    bench.enterGivens(loadSamples("guessing-3x3.txt").at(0).puzzle);
    EXPECT_EQ(guessSolve(bench.pc(), nullptr, false), 2);
    EXPECT_EQ(bench.wb->sBlock().scColl.size(), 2u);
    EXPECT_EQ(bench.status.panel(Panel::Result), "");
}

TEST(GuessSolve, BruteForceFindsTheOnlySolutionAndFillsEmptyGridsAnew) {
    Bench bench(3, 3, 7);
    const auto solved = [&bench](bool force) {
        const int status = guessSolve(bench.pc(), nullptr, force);
        takeGridState(bench.pc(), static_cast<int>(bench.wb->sBlock().scColl.size()));
        return status;
    };
    for (const SamplePuzzle& s : loadSamples("guessing-3x3.txt")) {
        bench.enterGivens(s.puzzle);
        bench.pc().guessingEnabled = true;
        ASSERT_EQ(solved(false), 1);
        EXPECT_EQ(bench.gridText(), s.solution);
        EXPECT_EQ(bench.status.panel(Panel::Result).rfind("Iteration  ", 0), 0u);
    }
    std::string previous;
    for (int run = 0; run < 2; ++run) {
        bench.wb->buildPuzzle();
        ASSERT_EQ(solved(true), 1);
        EXPECT_TRUE(isSolution(bench.values(), 3, 3));
        EXPECT_NE(bench.gridText(), previous);
        previous = bench.gridText();
    }
}

TEST(GuessSolve, GivesUpAtTheCallLimitLeavingOnlyTheStartingGrid) {
    // Box 8 has no place left for the value 1, which no rule sees at once.
    Bench bench;
    bench.enterGivens("........1" + std::string(45, '.') + "1......23...1..4.5......67.");
    bench.pc().guessingEnabled = true;
    EXPECT_EQ(guessSolve(bench.pc(), nullptr, false), 0);
    EXPECT_GE(bench.wb->sBlock().Tries, kGuessCallLimit);
    EXPECT_EQ(bench.status.panel(Panel::Result), "Fed up with this one- I give up");
    EXPECT_EQ(bench.wb->sBlock().scColl.size(), 2u);
}

TEST(GuessSolve, AContradictionIsUnsolvableWithOrWithoutGuessing) {
    // Row 1 holds 1 to 8 and column 9 a 9 further down: (0,8) has no candidate, and the rules
    // stop before they reach it.
    Bench bench;
    bench.enterGivens("12345678." + std::string(36, '.') + "........9" + std::string(27, '.'));
    EXPECT_EQ(tryIt(bench.cells()), 0);
    Bench small(2, 2);  // the same trap as above, small enough for the search to exhaust
    small.enterGivens("...1....1..2..3.");
    small.pc().guessingEnabled = small.pc().solving = true;
    GenerationProgress progress;
    solvePuzzle(small.pc(), progress);
    EXPECT_LT(small.wb->sBlock().Tries, kGuessCallLimit);
    EXPECT_EQ(small.cells().SolvedStatus, 0);
}

// A complete grid with the cells `open` emptied; (0,3) and (8,5) both hold 6, in other units.
std::string without(std::initializer_list<std::size_t> open) {
    std::string puzzle =
        "534678912672195348198342567859761423426853791713924856961537284287419635345286179";
    for (const std::size_t b : open)
        puzzle[b] = '.';
    return puzzle;
}

// Moves bigindex `first` ahead of bigindex `second` in the grid's solver order.
void putFirst(scells& grid, int first, int second) {
    scell& a = grid.getcellBigindex(first);
    scell& b = grid.getcellBigindex(second);
    if (a.sOrderIndex < b.sOrderIndex) return;
    grid.sOrder.swapvalue(a.sOrderIndex, b.sOrderIndex);
    std::swap(a.sOrderIndex, b.sOrderIndex);
}

TEST(Hint, FillsTheFirstForcedCellInSolverOrderAndRecomputes) {
    for (const auto& [first, second] : {std::pair{77, 3}, std::pair{3, 77}}) {
        Bench bench;
        bench.enterGivens(without({3, 77}));
        putFirst(bench.cells(), first, second);
        const auto events = bench.status.events.size();
        giveHint(bench.cells());
        EXPECT_TRUE(bench.at(first).Sure && bench.at(first).Trying == 6);
        EXPECT_FALSE(bench.at(first).Original || bench.at(first).Entered || bench.at(second).Sure);
        EXPECT_EQ(bench.history().undoCount(), 0);
        EXPECT_EQ(bench.status.events.size(), events);
    }
    // (2,7) and (7,6) can only be 6; (7,7), in the column of (2,7), 3 or 6 until the hint.
    Bench bench;
    bench.enterGivens(without({25, 69, 70}));
    putFirst(bench.cells(), 25, 69);
    putFirst(bench.cells(), 25, 70);
    giveHint(bench.cells());
    EXPECT_EQ(bench.at(25).Trying, 6);
    EXPECT_EQ(bench.at(70).countPossibilities, 1);
    EXPECT_FALSE(bench.at(69).Sure);
    bench.enterGivens(without({0, 1, 2, 9, 10, 11}));  // hand-made marks: 1 and 9, (1,1) 9
    bench.pc().manualPencilMarks = true;
    for (const int b : {0, 1, 2, 9, 10, 11}) {
        bench.at(b).bPoss = b == 10 ? 0x100u : 0x101u;
        bench.at(b).recountPossibilities();
    }
    giveHint(bench.cells());
    EXPECT_TRUE(bench.at(10).Sure && bench.at(10).Trying == 9);
    EXPECT_EQ(bench.at(0).countPossibilities, 2);  // not recomputed
}

// Whatever the givens (part of a complete grid, sometimes with a stray one), a grid Solve
// reports solved keeps every given and breaks no rule; only a stray given or the call limit
// leaves it unsolved.
TEST(SolveProperty, ASolvedGridKeepsEveryGivenAndBreaksNoRule) {
    for (const BoxShape shape : kBoxShapes) {
        SCOPED_TRACE(shapeName(shape));
        Bench bench(shape.rows, shape.cols, 21);
        bench.settings.brute = true;
        Rng rng(300 + static_cast<std::uint64_t>(shape.n()));
        int clean = 0;
        int solved = 0;
        for (int i = 0; i < 20; ++i) {
            std::vector<int> givens = randomGrid(shape, rng);
            const double density = 0.1 + 0.6 * std::uniform_real_distribution<>()(rng);
            for (int& v : givens)
                v = chance(rng, density) ? v : 0;
            const bool stray = chance(rng, 0.3);
            if (stray)
                givens[std::size_t(below(rng, shape.cellCount()))] = 1 + below(rng, shape.n());
            bench.enterGivens(givens);
            bench.cells().Validate();
            if (bench.cells().Invalid) continue;
            cbSolve_Click(*bench.wb);
            clean += !stray;
            if (bench.cells().SolvedStatus != 1) {
                EXPECT_TRUE(stray || bench.wb->sBlock().Tries >= kGuessCallLimit) << i;
                continue;
            }
            solved += !stray;
            EXPECT_EQ(bench.values(true), givens) << i;
            EXPECT_TRUE(isSolution(bench.values(), shape.rows, shape.cols)) << i;
        }
        EXPECT_GE(2 * solved, clean);  // the limit cuts some sparse big grids short, not most
    }
}

}  // namespace
}  // namespace velmora::test
