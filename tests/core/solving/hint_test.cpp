// The hint: the first open cell in solver order with one candidate, nothing else.
#include "solving/hint.h"

#include <gtest/gtest.h>

#include "history/form_control.h"
#include "solving/commands.h"
#include "support/puzzle_fixture.h"

namespace velmora {
namespace {

const std::string kSolution =
    "534678912672195348198342567859761423426853791713924856961537284287419635345286179";

// The solution with the cells `open` emptied.
std::string without(std::initializer_list<int> open) {
    std::string puzzle = kSolution;
    for (const int b : open)
        puzzle[static_cast<std::size_t>(b)] = '.';
    return puzzle;
}

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
    // (0,3) and (8,5) both hold 6, in different units; each comes first once.
    for (const auto& [first, second] : {std::pair{77, 3}, std::pair{3, 77}}) {
        test::Bench bench;
        bench.enterGivens(without({3, 77}));
        putFirst(bench.cells(), first, second);
        const auto eventsBefore = bench.status.events.size();

        giveHint(*bench.wb);

        const scell& hinted = bench.cells().getcellBigindex(first);
        EXPECT_TRUE(hinted.Sure);
        EXPECT_EQ(hinted.Trying, 6);
        EXPECT_FALSE(hinted.Original || hinted.Entered);
        EXPECT_FALSE(bench.cells().getcellBigindex(second).Sure);
        EXPECT_EQ(bench.history().undoCount(), 0);
        EXPECT_EQ(bench.status.events.size(), eventsBefore);
    }
}

TEST(Hint, CandidatesAreRecomputedAfterTheNewValue) {
    test::Bench bench;
    // (2,7) and (7,6) can only be 6; (7,7), in the column of (2,7), 3 or 6.
    bench.enterGivens(without({25, 69, 70}));
    ASSERT_EQ(bench.cells().getcellBigindex(70).countPossibilities, 2);
    putFirst(bench.cells(), 25, 69);
    putFirst(bench.cells(), 25, 70);

    giveHint(*bench.wb);

    EXPECT_EQ(bench.cells().getcellBigindex(25).Trying, 6);
    EXPECT_EQ(bench.cells().getcellBigindex(70).countPossibilities, 1);
    EXPECT_FALSE(bench.cells().getcellBigindex(69).Sure);
}

TEST(Hint, NothingToFillOnAnEmptyGrid) {
    test::Bench bench;
    const int redraws = bench.grid.redraws;
    cbhint_Click(*bench.wb);
    EXPECT_EQ(bench.gridText(), std::string(81, '.'));
    EXPECT_EQ(bench.grid.redraws, redraws + 1);
}

TEST(Hint, WithManualPencilMarksTakesTheHandMadeSingle) {
    test::Bench bench;
    bench.enterGivens(without({0, 1, 2, 9, 10, 11}));
    bench.pc().manualPencilMarks = true;
    // Every open cell gets the marks 1 and 9 by hand, except (1,1), which gets the single 9.
    for (const int b : {0, 1, 2, 9, 10, 11}) {
        scell& cell = bench.cells().getcellBigindex(b);
        cell.clearallPossibilities();
        if (b != 10) cell.putPossibility(0);
        cell.putPossibility(8);
    }

    giveHint(*bench.wb);

    EXPECT_TRUE(bench.cells().getcellBigindex(10).Sure);
    EXPECT_EQ(bench.cells().getcellBigindex(10).Trying, 9);
    EXPECT_EQ(bench.cells().getcellBigindex(0).countPossibilities, 2);  // not recomputed
}

}  // namespace
}  // namespace velmora
