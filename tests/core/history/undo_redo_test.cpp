// Undo and Redo of hand-made cell changes, in the orders that can go wrong.
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

struct CellState {
    int value;
    bool sure;
    bool entered;
    std::uint32_t candidates;
    bool operator==(const CellState&) const = default;
};

CellState stateOf(Bench& bench, int bigindex) {
    const scell& c = bench.cells().getcellBigindex(bigindex);
    return {c.Trying, c.Sure, c.Entered, c.bPoss};
}

TEST(UndoRedo, StartsEmptyWithBothButtonsDisabled) {
    Bench bench;
    bench.undo.undoEnabled = bench.undo.redoEnabled = true;
    bench.wb->newPuzzle();
    EXPECT_EQ(bench.wb->fControl().undoCount(), 0);
    EXPECT_EQ(bench.wb->fControl().redoCount(), 0);
    EXPECT_FALSE(bench.undo.undoEnabled);
    EXPECT_FALSE(bench.undo.redoEnabled);
}

TEST(UndoRedo, UndoRestoresTheEmptyCellAndItsCandidates) {
    Bench bench;
    const CellState before = stateOf(bench, 40);
    type(bench, 40, 5);
    EXPECT_TRUE(bench.undo.undoEnabled);
    bench.wb->fControl().unDo();
    EXPECT_EQ(stateOf(bench, 40), before);
    EXPECT_FALSE(bench.undo.undoEnabled);
    EXPECT_TRUE(bench.undo.redoEnabled);
    EXPECT_EQ(bench.grid.cursorRow, 4);
    EXPECT_EQ(bench.grid.cursorCol, 4);
    // The neighbours lose the candidate again once the value has gone.
    EXPECT_TRUE(bench.cells().getcellBigindex(41).getPossibility(4));

    bench.wb->fControl().reDo();
    EXPECT_EQ(stateOf(bench, 40), (CellState{5, true, true, 0}));
    EXPECT_TRUE(bench.undo.undoEnabled);
    EXPECT_FALSE(bench.undo.redoEnabled);
    EXPECT_FALSE(bench.cells().getcellBigindex(41).getPossibility(4));
}

TEST(UndoRedo, ThreeUndosRestoreInReverseOrder) {
    Bench bench;
    type(bench, 0, 1);
    type(bench, 10, 2);
    type(bench, 20, 3);
    bench.wb->fControl().unDo();
    EXPECT_FALSE(stateOf(bench, 20).sure);
    EXPECT_EQ(stateOf(bench, 10).value, 2);
    bench.wb->fControl().unDo();
    EXPECT_FALSE(stateOf(bench, 10).sure);
    EXPECT_EQ(stateOf(bench, 0).value, 1);
    bench.wb->fControl().unDo();
    EXPECT_FALSE(stateOf(bench, 0).sure);
    EXPECT_EQ(bench.wb->fControl().redoCount(), 3);
    EXPECT_EQ(bench.grid.cursorRow, 0);
    EXPECT_EQ(bench.grid.cursorCol, 0);
}

TEST(UndoRedo, RedoAfterANewChangeKeepsBothChanges) {
    Bench bench;
    type(bench, 0, 1);
    bench.wb->fControl().unDo();
    type(bench, 80, 9);
    EXPECT_TRUE(bench.undo.redoEnabled);
    EXPECT_EQ(bench.wb->fControl().redoCount(), 1);
    bench.wb->fControl().reDo();
    EXPECT_EQ(stateOf(bench, 0).value, 1);
    EXPECT_EQ(stateOf(bench, 80).value, 9);
    EXPECT_EQ(bench.wb->fControl().undoCount(), 2);
    EXPECT_FALSE(bench.undo.redoEnabled);

    // Undoing both now takes back the redone change first, then the new one.
    bench.wb->fControl().unDo();
    EXPECT_FALSE(stateOf(bench, 0).sure);
    EXPECT_EQ(stateOf(bench, 80).value, 9);
    bench.wb->fControl().unDo();
    EXPECT_FALSE(stateOf(bench, 80).sure);
}

TEST(UndoRedo, TwoChangesToOneCellUndoOneAtATime) {
    Bench bench;
    const CellState empty = stateOf(bench, 30);
    type(bench, 30, 4);
    const CellState first = stateOf(bench, 30);
    type(bench, 30, 6);
    bench.wb->fControl().unDo();
    EXPECT_EQ(stateOf(bench, 30), first);
    bench.wb->fControl().unDo();
    EXPECT_EQ(stateOf(bench, 30), empty);
    bench.wb->fControl().reDo();
    EXPECT_EQ(stateOf(bench, 30), first);
    bench.wb->fControl().reDo();
    EXPECT_EQ(stateOf(bench, 30).value, 6);
}

TEST(UndoRedo, HandMadePencilMarksComeBack) {
    Bench bench;
    bench.pc().manualPencilMarks = true;
    scell& cell = bench.cells().getcellBigindex(12);
    const std::uint32_t before = cell.bPoss;
    cell.scPush();
    cell.clearPossibility(0);
    cell.clearPossibility(3);
    const std::uint32_t edited = cell.bPoss;
    bench.wb->fControl().unDo();
    EXPECT_EQ(bench.cells().getcellBigindex(12).bPoss, before);
    bench.wb->fControl().reDo();
    EXPECT_EQ(bench.cells().getcellBigindex(12).bPoss, edited);
}

TEST(UndoRedo, AFullStackDropsItsOldestEntry) {
    Bench bench(2, 2);
    FormControl& fc = bench.wb->fControl();
    scell& cell = bench.cells().getcellBigindex(0);
    // Entry k holds value (k % 4) + 1, so the oldest entries are recognisable.
    for (int k = 0; k < FormControl::kMaxEntries + 2; ++k) {
        cell.putEntered(k % 4 + 1);
        cell.scPush();
    }
    EXPECT_EQ(fc.undoCount(), FormControl::kMaxEntries);
    while (fc.undoCount() > 1)
        fc.unDo();
    fc.unDo();
    // Entries 0 and 1 went; entry 2 is now the oldest.
    EXPECT_EQ(bench.cells().getcellBigindex(0).Trying, 3);
    EXPECT_FALSE(bench.undo.undoEnabled);
    EXPECT_EQ(fc.redoCount(), FormControl::kMaxEntries);
}

TEST(UndoRedo, AnEntryFromABiggerGridIsDroppedNotWritten) {
    Bench bench(3, 3);
    type(bench, 80, 9);
    bench.settings.sizeOption = 2;
    bench.wb->buildPuzzle();  // a 4x4 grid, the history not emptied
    ASSERT_EQ(bench.cells().dim(), 4);
    bench.grid.cursorRow = bench.grid.cursorCol = 0;
    bench.wb->fControl().unDo();
    EXPECT_EQ(bench.wb->fControl().undoCount(), 0);
    EXPECT_EQ(bench.wb->fControl().redoCount(), 0);
    EXPECT_EQ(bench.grid.cursorRow, 0);
}

}  // namespace
}  // namespace velmora::test
