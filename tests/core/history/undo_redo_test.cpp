// Undo and Redo of hand-made cell changes, in the orders that can go wrong. (Long random
// sequences are the undo property test's.)
#include <gtest/gtest.h>

#include "support/puzzle_fixture.h"

namespace velmora::test {
namespace {

// A change by hand: the cell records itself first, as keyboard entry does.
void type(Bench& bench, int bigindex, int value) {
    scell& cell = bench.cells().getcellBigindex(bigindex);
    cell.scPush();
    cell.putEntered(value);
    bench.cells().resetPossibilities();
}

int valueAt(Bench& bench, int bigindex) {
    const scell& cell = bench.cells().getcellBigindex(bigindex);
    return cell.Sure ? cell.Trying : 0;
}

TEST(UndoRedo, ANewPuzzleStartsWithBothButtonsDisabled) {
    Bench bench;
    type(bench, 0, 1);
    bench.undo.redoEnabled = true;
    bench.wb->newPuzzle();
    EXPECT_EQ(bench.history().undoCount(), 0);
    EXPECT_FALSE(bench.undo.undoEnabled);
    EXPECT_FALSE(bench.undo.redoEnabled);
}

TEST(UndoRedo, UndoAndRedoGoInReverseOrderMovingTheCursor) {
    Bench bench;
    type(bench, 0, 1);
    type(bench, 10, 2);
    type(bench, 20, 3);
    for (const int b : {20, 10, 0}) {
        bench.history().unDo();
        EXPECT_EQ(valueAt(bench, b), 0);
        EXPECT_EQ(bench.grid.cursorRow * 9 + bench.grid.cursorCol, b);
    }
    EXPECT_EQ(bench.history().redoCount(), 3);
    for (const int b : {0, 10, 20}) {
        bench.history().reDo();
        EXPECT_EQ(valueAt(bench, b), b / 10 + 1);
        EXPECT_EQ(bench.grid.cursorRow * 9 + bench.grid.cursorCol, b);
    }
}

TEST(UndoRedo, RedoAfterANewChangeKeepsBothChanges) {
    Bench bench;
    type(bench, 0, 1);
    bench.history().unDo();
    type(bench, 80, 9);
    EXPECT_TRUE(bench.undo.redoEnabled);
    bench.history().reDo();
    EXPECT_EQ(valueAt(bench, 0), 1);
    EXPECT_EQ(valueAt(bench, 80), 9);
    EXPECT_EQ(bench.history().undoCount(), 2);
    EXPECT_FALSE(bench.undo.redoEnabled);

    // Undoing both now takes back the redone change first, then the new one.
    bench.history().unDo();
    EXPECT_EQ(valueAt(bench, 0), 0);
    EXPECT_EQ(valueAt(bench, 80), 9);
    bench.history().unDo();
    EXPECT_EQ(valueAt(bench, 80), 0);
}

TEST(UndoRedo, AFullStackDropsItsOldestEntry) {
    Bench bench(2, 2);
    FormControl& fc = bench.history();
    scell& cell = bench.cells().getcellBigindex(0);
    // Entry k holds value (k % 4) + 1, so the oldest entries are recognisable.
    for (int k = 0; k < FormControl::kMaxEntries + 2; ++k) {
        cell.putEntered(k % 4 + 1);
        cell.scPush();
    }
    EXPECT_EQ(fc.undoCount(), FormControl::kMaxEntries);
    while (fc.undoCount() > 0)
        fc.unDo();
    // Entries 0 and 1 went; entry 2 is now the oldest.
    EXPECT_EQ(valueAt(bench, 0), 3);
    EXPECT_EQ(fc.redoCount(), FormControl::kMaxEntries);
}

TEST(UndoRedo, AnEntryFromABiggerGridIsDroppedNotWritten) {
    Bench bench(3, 3);
    type(bench, 80, 9);
    bench.settings.sizeOption = 2;
    bench.wb->buildPuzzle();  // a 4x4 grid, the history not emptied
    ASSERT_EQ(bench.cells().dim(), 4);
    bench.grid.cursorRow = bench.grid.cursorCol = 0;
    bench.history().unDo();
    EXPECT_EQ(bench.history().undoCount(), 0);
    EXPECT_EQ(bench.history().redoCount(), 0);
    EXPECT_EQ(bench.grid.cursorRow, 0);
}

}  // namespace
}  // namespace velmora::test
