// The grid control on a fake grid widget: what full and partial redraws write. (What the cells
// look like, the cursor moves and the keys are the window tests'.)
#include "display/grid_control.h"

#include <gtest/gtest.h>

#include "display/key_codes.h"
#include "support/puzzle_fixture.h"

namespace velmora::test {
namespace {

constexpr Colour kViolet = rgb(230, 100, 240);

const std::string kSolution =
    "534678912672195348198342567859761423426853791713924856961537284287419635345286179";

TEST(GridControlRedraw, FullRedrawKeepsTheCursorDrawsWhileHiddenAndWritesOnlyChangedFormats) {
    DrawnBench b;
    b.enterGivens(kSolution.substr(0, 40) + std::string(41, '.'));
    b.control.bUnloadGrid();
    b.at(4, 5);
    b.surface.resetCounts();
    b.control.bUnloadGrid();
    EXPECT_EQ(b.surface.row, 4);
    EXPECT_EQ(b.surface.col, 5);
    EXPECT_EQ(b.surface.textWrites, 81);
    EXPECT_EQ(b.surface.textWritesWhileHidden, 81);
    EXPECT_EQ(b.surface.formatWrites, 0);
    EXPECT_TRUE(b.surface.redraw);
    // Laying out the same size again writes no sizes.
    const int sizes = b.surface.sizeWrites;
    b.control.refreshEntrygrid();
    EXPECT_EQ(b.surface.sizeWrites, sizes);
}

TEST(GridControlRedraw, WordWrapEndsAsTheBottomRightCellNeedsIt) {
    DrawnBench b;
    EXPECT_TRUE(b.surface.wrap);
    b.cell(8, 8).putOriginal(1);
    b.control.bUnloadGrid();
    EXPECT_FALSE(b.surface.wrap);
    b.cell(8, 8).Clear();
    b.cells().resetPossibilities();
    b.control.bUnloadGrid();
    EXPECT_TRUE(b.surface.wrap);
}

TEST(GridControlRedraw, AFullGridIsAnnouncedAtTheNextFullRedrawEvenWithConflicts) {
    DrawnBench b;
    b.status.setPanelText(2, "before");
    b.enterGivens(kSolution.substr(0, 80) + ".");
    b.control.bUnloadGrid();
    EXPECT_EQ(b.status.panel(2), "before");
    b.at(8, 8);
    b.type("9");  // no conflict: only the cell is redrawn
    EXPECT_EQ(b.status.panel(2), "before");
    b.control.bUnloadGrid();
    EXPECT_EQ(b.status.panel(2), "Solved- Well done!");
    b.status.setPanelText(2, "again");
    b.cell(8, 8).putOriginal(8);  // 8 twice in the last row
    b.control.bUnloadGrid();
    EXPECT_EQ(b.status.panel(2), "Solved- Well done!");
    EXPECT_EQ(b.surface.at(8, 8).back, kViolet);
}

TEST(GridControlRedraw, OnlyConflictsAndShownCandidatesMakeAKeyRedrawTheWholeGrid) {
    DrawnBench b;
    b.surface.resetCounts();
    b.type("5");
    EXPECT_EQ(b.surface.textWrites, 1);

    b.surface.resetCounts();
    b.type("5");  // a conflict
    EXPECT_EQ(b.surface.textWrites, 1 + 81);
    EXPECT_EQ(b.surface.at(0, 0).back, kViolet);
    b.at(0, 1);
    b.surface.resetCounts();
    b.control.loadKeypress(kKeySpace);  // and its end
    EXPECT_EQ(b.surface.textWrites, 1 + 81);
    EXPECT_NE(b.surface.at(0, 0).back, kViolet);

    b.pc().Scribbling = true;
    b.surface.resetCounts();
    b.type("6");
    EXPECT_EQ(b.surface.textWrites, 1 + 81);
    EXPECT_EQ(b.surface.at(0, 2).text, "1 2 3 4 7 8 9");
}

}  // namespace
}  // namespace velmora::test
