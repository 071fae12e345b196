// What loading a saved puzzle leaves behind besides the puzzle. (That every state of every shape
// comes back exactly is the save property test's and, through the window, the save and load
// window test's.)
#include <gtest/gtest.h>

#include "support/puzzle_fixture.h"

namespace velmora::test {
namespace {

TEST(SaveRoundTrip, WithoutManualMarksTheCandidatesAreComputedAgain) {
    Bench saving;
    saving.enterGivens(loadSamples("logic-3x3.txt").at(0).puzzle);
    saving.cells().getcellBigindex(1).putEntered(2);
    saving.cells().getcellBigindex(2).clearallPossibilities();  // not saved as they are
    saving.save("computed.svl");
    Bench loading;
    loading.loadFrom(saving, "computed.svl");
    ASSERT_TRUE(loading.messages.shown.empty());
    saving.cells().resetPossibilities();
    for (int b = 0; b < 81; ++b) {
        const scell& a = loading.cells().getcellBigindex(b);
        const scell& e = saving.cells().getcellBigindex(b);
        EXPECT_TRUE(a.Trying == e.Trying && a.Sure == e.Sure && a.Original == e.Original &&
                    a.Entered == e.Entered && a.bPoss == e.bPoss &&
                    a.countPossibilities == e.countPossibilities)
            << "cell " << b;
    }
}

TEST(SaveRoundTrip, LoadingEmptiesBothUndoStacksAndALaterRebuildKeepsTheSize) {
    Bench six(2, 3);
    six.save("six.svl");
    Bench bench;
    scell& cell = bench.cells().getcellBigindex(0);
    cell.scPush();
    cell.putEntered(4);
    cell.scPush();
    cell.putEntered(5);
    bench.history().unDo();
    bench.loadFrom(six, "six.svl");
    EXPECT_EQ(bench.history().undoCount(), 0);
    EXPECT_EQ(bench.history().redoCount(), 0);
    EXPECT_FALSE(bench.undo.undoEnabled);
    EXPECT_FALSE(bench.undo.redoEnabled);
    EXPECT_FALSE(bench.history().Loading);
    EXPECT_EQ(bench.settings.sizeOption, 3);
    EXPECT_EQ(bench.pc().cFontSize, 26);
    bench.wb->newPuzzle();
    EXPECT_EQ(bench.cells().dim(), 6);
}

}  // namespace
}  // namespace velmora::test
