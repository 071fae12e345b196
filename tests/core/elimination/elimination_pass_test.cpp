// The whole elimination pass on real puzzles: fixed point, counters, switches, and soundness.
#include <gtest/gtest.h>

#include <bit>

#include "support/puzzle_fixture.h"

namespace velmora {
namespace {

int countersTotal(Workbench& wb) {
    int total = wb.sBlock().neGrabs + wb.sBlock().neHPairs;
    for (int c : wb.neSubsets)
        total += c;
    return total;
}

TEST(Candidates, SimpleEliminationGivesBasicCandidatesAndZeroCounters) {
    test::Bench bench;
    bench.enterGivens(test::loadSamples("logic-3x3.txt").at(0).puzzle);
    for (int b = 0; b < 81; ++b) {
        scell& cell = bench.cells().getcellBigindex(b);
        if (cell.Sure) continue;
        const std::uint32_t computed = cell.bPoss;
        cell.generatePossibilities();
        EXPECT_EQ(cell.bPoss, computed) << b;
    }
    EXPECT_EQ(countersTotal(*bench.wb), 0);
}

TEST(Candidates, ManualPencilMarksAreNeverRecomputed) {
    test::Bench bench;
    bench.enterGivens(test::loadSamples("logic-3x3.txt").at(0).puzzle);
    bench.pc().Experimental = true;
    bench.cells().resetPossibilities();
    const int counted = countersTotal(*bench.wb);
    ASSERT_GT(counted, 0);
    bench.pc().manualPencilMarks = true;
    scell& open = *bench.cells().getNextGuess(nullptr);
    open.clearallPossibilities();
    open.putPossibility(0);
    bench.cells().resetPossibilities();
    EXPECT_EQ(open.bPoss, 1u);
    EXPECT_EQ(countersTotal(*bench.wb), counted);
}

// The pass ends at a fixed point, its counters add up to what it removed, and it never removes
// a value the true solution needs, for every box shape.
TEST(EliminationPass, FixedPointCountersAndSoundness) {
    for (const char* file :
         {"singles-2x2.txt", "singles-2x3.txt", "singles-2x4.txt", "singles-2x5.txt",
          "singles-2x6.txt", "singles-3x3.txt", "singles-3x4.txt", "singles-3x5.txt",
          "singles-3x6.txt", "singles-4x4.txt", "logic-3x3.txt", "guessing-3x3.txt"}) {
        SCOPED_TRACE(file);
        const std::string shape = std::string(file).substr(std::string(file).find('-') + 1, 3);
        for (const test::SamplePuzzle& sample : test::loadSamples(file)) {
            test::Bench bench(shape[0] - '0', shape[2] - '0');
            bench.enterGivens(sample.puzzle);
            bench.pc().Experimental = true;
            scells& grid = bench.cells();
            const int removed = grid.rebuildPossibilities(true);
            EXPECT_EQ(removed, countersTotal(*bench.wb));
            EXPECT_EQ(grid.runEliminations(), 0);
            for (int b = 0; b < grid.cellCount(); ++b) {
                const scell& cell = grid.getcellBigindex(b);
                if (cell.Sure) continue;
                const auto needed =
                    bench.pc().sElements.find(sample.solution[static_cast<std::size_t>(b)]);
                EXPECT_TRUE(cell.getPossibility(static_cast<int>(needed))) << "cell " << b;
                EXPECT_EQ(cell.countPossibilities, std::popcount(cell.bPoss));
            }
        }
    }
}

TEST(EliminationPass, LogicAloneSolvesWhatNeedsMoreThanSinglesButStopsAtGuessing) {
    for (const test::SamplePuzzle& sample : test::loadSamples("logic-3x3.txt")) {
        test::Bench bench;
        bench.enterGivens(sample.puzzle);
        EXPECT_EQ(bench.cells().tryIt(), 1);
        EXPECT_EQ(bench.gridText(), sample.solution);
    }
    for (const test::SamplePuzzle& sample : test::loadSamples("guessing-3x3.txt")) {
        test::Bench bench;
        bench.enterGivens(sample.puzzle);
        EXPECT_EQ(bench.cells().tryIt(), 2);
    }
}

TEST(EliminationPass, WithoutGrabsAndSubsetsLogicGetsStuck) {
    int stuck = 0;
    for (const test::SamplePuzzle& sample : test::loadSamples("logic-3x3.txt")) {
        test::Bench bench;
        bench.settings.grabs = false;
        bench.settings.hiddenPairs = false;
        bench.settings.subsets = {true, false, false, false, false};
        bench.enterGivens(sample.puzzle);
        stuck += bench.cells().tryIt() == 2;
        EXPECT_EQ(bench.wb->sBlock().neGrabs, 0);
        EXPECT_EQ(bench.wb->neSubsets[1], 0);
    }
    EXPECT_GT(stuck, 0);
}

}  // namespace
}  // namespace velmora
