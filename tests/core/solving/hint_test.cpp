// The hint: the first open cell in solver order with one candidate, nothing else.
#include "solving/hint.h"

#include <gtest/gtest.h>

#include "history/form_control.h"
#include "solving/command_bench.h"
#include "solving/commands.h"

namespace velmora {
namespace {

const std::string kSolution =
    "534678912672195348198342567859761423426853791713924856961537284287419635345286179";

// Moves bigindex `first` ahead of bigindex `second` in the grid's solver order.
void putFirst(scells& grid, int first, int second) {
    const int p = grid.getcellBigindex(first).sOrderIndex;
    const int q = grid.getcellBigindex(second).sOrderIndex;
    if (p < q) return;
    grid.sOrder.swapvalue(p, q);
    grid.getcellBigindex(first).sOrderIndex = static_cast<std::int16_t>(q);
    grid.getcellBigindex(second).sOrderIndex = static_cast<std::int16_t>(p);
}

TEST(Hint, FillsTheFirstCellInSolverOrderNotInBigindexOrder) {
    test::CommandBench bench;
    std::string puzzle = kSolution;
    puzzle[3] = '.';   // (0,3) holds 6
    puzzle[77] = '.';  // (8,5) holds 6 too, in other units
    bench.enterGivens(puzzle);
    putFirst(bench.cells(), 77, 3);
    const auto eventsBefore = bench.status.events.size();

    giveHint(*bench.wb);

    const scell& later = bench.cells().getcellBigindex(77);
    EXPECT_TRUE(later.Sure);
    EXPECT_EQ(later.Trying, 6);
    EXPECT_FALSE(later.Original);
    EXPECT_FALSE(later.Entered);
    EXPECT_FALSE(bench.cells().getcellBigindex(3).Sure);
    EXPECT_EQ(bench.wb->fControl().undoCount(), 0);
    EXPECT_EQ(bench.status.events.size(), eventsBefore);
}

TEST(Hint, LowerBigindexWinsWhenItComesFirstInSolverOrder) {
    test::CommandBench bench;
    std::string puzzle = kSolution;
    puzzle[3] = '.';
    puzzle[77] = '.';
    bench.enterGivens(puzzle);
    putFirst(bench.cells(), 3, 77);
    giveHint(*bench.wb);
    EXPECT_TRUE(bench.cells().getcellBigindex(3).Sure);
    EXPECT_FALSE(bench.cells().getcellBigindex(77).Sure);
}

TEST(Hint, CandidatesAreRecomputedAfterTheNewValue) {
    test::CommandBench bench;
    std::string puzzle = kSolution;
    puzzle[25] = '.';  // (2,7): only 6 fits
    puzzle[69] = '.';  // (7,6): only 6 fits
    puzzle[70] = '.';  // (7,7): 3 or 6, in the column of (2,7)
    bench.enterGivens(puzzle);
    ASSERT_EQ(bench.cells().getcellBigindex(70).countPossibilities, 2);
    putFirst(bench.cells(), 25, 69);
    putFirst(bench.cells(), 25, 70);

    giveHint(*bench.wb);

    EXPECT_EQ(bench.cells().getcellBigindex(25).Trying, 6);
    EXPECT_EQ(bench.cells().getcellBigindex(70).countPossibilities, 1);
    EXPECT_FALSE(bench.cells().getcellBigindex(69).Sure);
}

TEST(Hint, NothingToFillOnAnEmptyGrid) {
    test::CommandBench bench;
    const int redraws = bench.grid.redraws;
    cbhint_Click(*bench.wb);
    for (const int v : bench.values())
        EXPECT_EQ(v, 0);
    EXPECT_EQ(bench.grid.redraws, redraws + 1);
}

TEST(Hint, WithManualPencilMarksTakesTheHandMadeSingle) {
    test::CommandBench bench;
    std::string puzzle = kSolution;
    for (const int b : {0, 1, 2, 9, 10, 11})
        puzzle[static_cast<std::size_t>(b)] = '.';
    bench.enterGivens(puzzle);
    bench.pc().manualPencilMarks = true;
    // Every open cell gets two marks by hand, except (1,1), which gets the single mark 9.
    for (const int b : {0, 1, 2, 9, 10, 11}) {
        scell& cell = bench.cells().getcellBigindex(b);
        cell.clearallPossibilities();
        cell.putPossibility(0);
        if (b != 10) cell.putPossibility(8);
    }
    bench.cells().getcellBigindex(10).clearallPossibilities();
    bench.cells().getcellBigindex(10).putPossibility(8);

    giveHint(*bench.wb);

    EXPECT_TRUE(bench.cells().getcellBigindex(10).Sure);
    EXPECT_EQ(bench.cells().getcellBigindex(10).Trying, 9);
    EXPECT_EQ(bench.cells().getcellBigindex(0).countPossibilities, 2);  // not recomputed
}

}  // namespace
}  // namespace velmora
