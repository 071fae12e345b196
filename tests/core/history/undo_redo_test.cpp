// Undo and Redo of hand-made cell changes: the orders that can go wrong, the stack's bound, and
// the property that k Undos give back exactly the grid before k random changes.
#include <gtest/gtest.h>

#include "bench.h"
#include "elimination/candidates.h"

namespace velmora::test {
namespace {

// A change by hand: the cell records itself first, as keyboard entry does.
void type(Bench& bench, int r, int c, int value) {
    bench.cell(r, c).scPush();
    bench.cell(r, c).putEntered(value);
    resetPossibilities(bench.cells());
}

TEST(UndoRedo, GoInReverseOrderPuttingTheCursorOnTheCell) {
    Bench bench;
    const std::pair<int, int> cells[] = {{0, 1}, {2, 7}, {8, 3}};
    const auto check = [&](int i, int value) {
        EXPECT_EQ(bench.cell(cells[i].first, cells[i].second).Trying, value);
        EXPECT_EQ(std::pair(bench.grid.cursorRow, bench.grid.cursorCol), cells[i]);
    };
    for (int i = 0; i < 3; ++i)
        type(bench, cells[i].first, cells[i].second, i + 1);
    for (int i = 2; i >= 0; --i) {
        bench.history().unDo();
        check(i, 0);
        EXPECT_TRUE(bench.undo.redoEnabled);
    }
    EXPECT_FALSE(bench.undo.undoEnabled);
    for (int i = 0; i < 3; ++i) {
        bench.history().reDo();
        check(i, i + 1);
    }
    EXPECT_FALSE(bench.undo.redoEnabled);
    // A new change keeps what is left to redo, and Undo then takes the redone change first.
    bench.history().unDo();
    type(bench, 4, 4, 9);
    bench.history().reDo();
    EXPECT_EQ(bench.history().undoCount(), 4);
    bench.history().unDo();
    EXPECT_EQ(bench.cell(8, 3).Trying + bench.cell(4, 4).Trying, 9);
}

TEST(UndoRedo, AFullStackDropsItsOldestEntryAndAStaleEntryIsDropped) {
    Bench bench(2, 2);
    scell& cell = bench.at(0);
    for (int k = 0; k < FormControl::kMaxEntries + 2; ++k) {  // entry k holds (k % 4) + 1
        cell.putEntered(k % 4 + 1);
        cell.scPush();
    }
    EXPECT_EQ(bench.history().undoCount(), FormControl::kMaxEntries);
    while (bench.history().undoCount() > 0)
        bench.history().unDo();
    EXPECT_EQ(cell.Trying, 3);  // entries 0 and 1 went
    Bench big;  // an entry from a bigger grid that has been replaced has no cell here
    type(big, 8, 6, 9);
    big.settings.sizeOption = 2;
    big.wb->buildPuzzle();
    big.history().unDo();
    EXPECT_EQ(big.history().undoCount() + big.history().redoCount(), 0);
    EXPECT_EQ(big.grid.cursorRow, 0);
}

TEST(UndoRedoProperty, KUndosRestoreAndKRedosReplayEveryCellExactly) {
    for (const BoxShape shape : kBoxShapes) {
        SCOPED_TRACE(shapeName(shape));
        Bench bench(shape.rows, shape.cols, 31);
        const int n = shape.n();
        Rng rng(700 + static_cast<std::uint64_t>(n));
        for (int i = 0; i < 20; ++i) {
            bench.pc().manualPencilMarks = false;
            std::vector<int> givens = randomGrid(shape, rng);
            for (int& v : givens)
                v = chance(rng, 0.4) ? v : 0;
            bench.enterGivens(givens);
            // Hand-made pencil marks are the cells' own, and must come back too.
            bench.pc().manualPencilMarks = chance(rng, 0.5);
            bench.history().resetUndoStack();
            const auto before = bench.states();
            const int k = 1 + below(rng, 25);
            for (int e = 0; e < k; ++e) {
                scell& cell = bench.at(below(rng, n * n));
                cell.scPush();
                const int change = below(rng, 3);
                if (change == 0) {
                    cell.Clear();
                } else if (change == 1 || !bench.pc().manualPencilMarks) {
                    cell.putEntered(1 + below(rng, n));
                } else {
                    cell.Sure = cell.Original = cell.Entered = false;
                    cell.bPoss = static_cast<std::uint32_t>(rng()) & allCandidates(n);
                    cell.recountPossibilities();
                }
                resetPossibilities(bench.cells());
            }
            const auto after = bench.states();
            for (int e = 0; e < k; ++e)
                bench.history().unDo();
            ASSERT_EQ(bench.states(), before) << "case " << i;
            for (int e = 0; e < k; ++e)
                bench.history().reDo();
            ASSERT_EQ(bench.states(), after) << "case " << i;
        }
    }
}

}  // namespace
}  // namespace velmora::test
