#include "display/grid_control.h"

#include <gtest/gtest.h>

#include "display/key_codes.h"
#include "display_bench.h"
#include "history/form_control.h"

namespace velmora::test {
namespace {

constexpr Colour kViolet = rgb(230, 100, 240);
constexpr Colour kBlack = rgb(0, 0, 0);
constexpr Colour kBlue = rgb(0, 0, 255);

const std::string kSolution =
    "534678912672195348198342567859761423426853791713924856961537284287419635345286179";

void fillGivens(DisplayBench& b, const std::string& grid) {
    for (int i = 0; i < 81; ++i) {
        const char ch = grid[static_cast<std::size_t>(i)];
        if (ch != '.') b.cells().getcellBigindex(i).putOriginal(ch - '0');
    }
    b.cells().resetPossibilities();
}

TEST(GridControlLayoutTest, NewPuzzleLaysOutNineByNineAtThirtyTwoPoints) {
    DisplayBench b;
    EXPECT_EQ(b.surface.rows, 9);
    EXPECT_EQ(b.surface.cols, 9);
    for (int c = 0; c < 9; ++c)
        EXPECT_EQ(b.surface.columnWidth(c), 43);
    for (int r = 0; r < 9; ++r)
        EXPECT_EQ(b.surface.rowHeight(r), 43);
    EXPECT_EQ(b.surface.areaWidth, 387);
    EXPECT_EQ(b.surface.areaHeight, 387);
    EXPECT_EQ(b.surface.row, 0);
    EXPECT_EQ(b.surface.col, 0);
    EXPECT_TRUE(b.surface.redraw);
}

TEST(GridControlLayoutTest, LayingOutTheSameSizeAgainWritesNoSizes) {
    DisplayBench b;
    const int widths = b.surface.widthWrites;
    const int areas = b.surface.areaWrites;
    b.grid.refreshEntrygrid();
    EXPECT_EQ(b.surface.widthWrites, widths);
    EXPECT_EQ(b.surface.areaWrites, areas);
}

TEST(GridControlLayoutTest, EighteenByEighteenHasTwentyPointCells) {
    DisplayBench b(9);
    EXPECT_EQ(b.surface.rows, 18);
    EXPECT_EQ(b.surface.cols, 18);
    EXPECT_EQ(b.surface.columnWidth(17), 27);
    EXPECT_EQ(b.surface.areaWidth, 18 * 27);
}

TEST(GridControlRedrawTest, FullRedrawKeepsTheCursorAndDrawsWhileHidden) {
    DisplayBench b;
    b.at(4, 5);
    b.surface.resetCounts();
    b.grid.bUnloadGrid();
    EXPECT_EQ(b.surface.row, 4);
    EXPECT_EQ(b.surface.col, 5);
    EXPECT_EQ(b.surface.textWrites, 81);
    EXPECT_EQ(b.surface.textWritesWhileHidden, 81);
    EXPECT_TRUE(b.surface.redraw);
}

TEST(GridControlRedrawTest, UnchangedFormatsAreNotWrittenAgainButTextsAre) {
    DisplayBench b;
    fillGivens(b,
               "53..7....6..195....98....6.8...6...34..8.3..17...2...6.6....28....419..5....8..79");
    b.grid.bUnloadGrid();
    b.surface.resetCounts();
    b.grid.bUnloadGrid();
    EXPECT_EQ(b.surface.formatWrites, 0);
    EXPECT_EQ(b.surface.textWrites, 81);
}

TEST(GridControlRedrawTest, WordWrapEndsAsTheBottomRightCellNeedsIt) {
    DisplayBench b;
    EXPECT_TRUE(b.surface.wrap);
    b.cell(8, 8).putOriginal(1);
    b.grid.bUnloadGrid();
    EXPECT_FALSE(b.surface.wrap);
    b.cell(8, 8).Clear();
    b.cells().resetPossibilities();
    b.grid.bUnloadGrid();
    EXPECT_TRUE(b.surface.wrap);
}

TEST(GridControlRedrawTest, FullGridAnnouncesSolvedEvenWithConflicts) {
    DisplayBench b;
    b.status.setPanelText(2, "before");
    fillGivens(b, kSolution.substr(0, 80) + ".");
    b.grid.bUnloadGrid();
    EXPECT_EQ(b.status.panel(2), "before");

    b.cell(8, 8).putOriginal(8);  // 8 twice in the last row
    b.grid.bUnloadGrid();
    EXPECT_EQ(b.status.panel(2), "Solved- Well done!");
    EXPECT_EQ(b.surface.at(8, 8).back, kViolet);
}

TEST(GridControlRedrawTest, CountsAreWrittenOnlyWhileTheStatisticsBoxIsTicked) {
    DisplayBench b;
    b.wb->neSubsets = {1, 2, 3, 4, 5, 6, 7, 8, 9};
    b.wb->sBlock().neGrabs = 11;
    b.wb->sBlock().neHPairs = 12;
    b.grid.bUnloadGrid();
    EXPECT_EQ(b.statistics.writes, 0);
    b.statistics.shown = true;
    b.grid.bUnloadGrid();
    ASSERT_EQ(b.statistics.writes, 1);
    EXPECT_EQ(b.statistics.counts.singles, 1);
    EXPECT_EQ(b.statistics.counts.quads, 4);
    EXPECT_EQ(b.statistics.counts.more, 5 + 6 + 7 + 8 + 9);
    EXPECT_EQ(b.statistics.counts.grabs, 11);
    EXPECT_EQ(b.statistics.counts.hiddenPairs, 12);
}

TEST(GridControlRedrawTest, FourByFourHasNothingToAddUpForMore) {
    DisplayBench b(2);
    b.statistics.shown = true;
    b.grid.bUnloadGrid();
    EXPECT_EQ(b.statistics.counts.more, 0);
}

class KeyEntryTest : public ::testing::Test {
  protected:
    DisplayBench b;
    FormControl& fc = b.wb->fControl();
};

TEST_F(KeyEntryTest, GivenModeTypesBlackGivensAndMovesRight) {
    b.type("5");
    EXPECT_TRUE(b.cell(0, 0).Original);
    EXPECT_EQ(b.cell(0, 0).Trying, 5);
    EXPECT_EQ(b.surface.at(0, 0).text, "5");
    EXPECT_EQ(b.surface.at(0, 0).fore, kBlack);
    EXPECT_EQ(b.surface.at(0, 0).fontName, "tahoma");
    EXPECT_EQ(b.surface.col, 1);
    EXPECT_EQ(fc.undoCount(), 1);
}

TEST_F(KeyEntryTest, SolutionModeTypesBlueUserEntries) {
    fc.Initial = false;
    b.type("7");
    EXPECT_TRUE(b.cell(0, 0).Entered);
    EXPECT_FALSE(b.cell(0, 0).Original);
    EXPECT_EQ(b.surface.at(0, 0).fore, kBlue);
    EXPECT_EQ(b.surface.at(0, 0).fontName, "Comic Sans MS");
}

TEST_F(KeyEntryTest, LastColumnGoesToTheNextRowAndTheLastCellStaysInTheLastRow) {
    b.at(3, 8);
    b.type("1");
    EXPECT_EQ(b.surface.row, 4);
    EXPECT_EQ(b.surface.col, 0);
    b.at(8, 8);
    b.type("2");
    EXPECT_EQ(b.surface.row, 8);
    EXPECT_EQ(b.surface.col, 0);
}

TEST_F(KeyEntryTest, EnterGoesToTheStartOfTheNextRowAndChangesNothing) {
    b.at(2, 5);
    b.grid.loadKeypress(kKeyEnter);
    EXPECT_EQ(b.surface.row, 3);
    EXPECT_EQ(b.surface.col, 0);
    b.at(8, 4);
    b.grid.loadKeypress(kKeyEnter);
    EXPECT_EQ(b.surface.row, 8);
    EXPECT_EQ(b.surface.col, 0);
    EXPECT_EQ(fc.undoCount(), 0);
}

TEST_F(KeyEntryTest, SpaceAndBackspaceClearInPlaceAndCanBeUndone) {
    b.at(1, 1);
    b.type("4");
    b.at(1, 1);
    b.grid.loadKeypress(kKeySpace);
    EXPECT_FALSE(b.cell(1, 1).Sure);
    EXPECT_EQ(b.surface.at(1, 1).text, "");
    EXPECT_EQ(b.surface.row, 1);
    EXPECT_EQ(b.surface.col, 1);
    b.at(1, 2);
    b.type("6");
    b.at(1, 2);
    b.grid.loadKeypress(kKeyBackspace);
    EXPECT_FALSE(b.cell(1, 2).Sure);
    EXPECT_EQ(fc.undoCount(), 4);
    fc.unDo();
    EXPECT_EQ(b.cell(1, 2).Trying, 6);
}

TEST_F(KeyEntryTest, CharactersThatAreNoElementsOnlyBeep) {
    b.at(2, 2);
    for (int key : {int{'0'}, int{'A'}, int{'x'}, kKeyEscape, 0xe9})
        b.grid.loadKeypress(key);
    EXPECT_EQ(b.surface.beeps, 5);
    EXPECT_FALSE(b.cell(2, 2).Sure);
    EXPECT_EQ(b.surface.row, 2);
    EXPECT_EQ(b.surface.col, 2);
    EXPECT_EQ(fc.undoCount(), 0);
}

TEST_F(KeyEntryTest, LowerCaseLettersFindUpperCaseElements) {
    b.pc().sElements = "ABCDEFGHI";
    b.type("a");
    EXPECT_EQ(b.cell(0, 0).Trying, 1);
    EXPECT_EQ(b.surface.at(0, 0).text, "A");
}

TEST(KeyEntrySizes, SixteenBySixteenTakesLetters) {
    DisplayBench b(1);
    b.type("a");
    EXPECT_EQ(b.cell(0, 0).Trying, 11);
    EXPECT_EQ(b.surface.at(0, 0).text, "A");
    b.type("0g");
    EXPECT_EQ(b.cell(0, 1).Trying, 10);
    EXPECT_EQ(b.surface.beeps, 1);
}

TEST_F(KeyEntryTest, ValidEntryWithHiddenCandidatesRewritesOnlyThatCell) {
    b.surface.resetCounts();
    b.type("5");
    EXPECT_EQ(b.surface.textWrites, 1);
}

TEST_F(KeyEntryTest, ConflictRedrawsEverythingAndClearingItRemovesTheViolet) {
    b.type("55");
    EXPECT_EQ(b.surface.at(0, 0).back, kViolet);
    EXPECT_EQ(b.surface.at(0, 1).back, kViolet);
    EXPECT_EQ(b.surface.at(0, 2).text, "");
    b.at(0, 1);
    b.surface.resetCounts();
    b.grid.loadKeypress(kKeySpace);
    EXPECT_EQ(b.surface.textWrites, 1 + 81);
    EXPECT_NE(b.surface.at(0, 0).back, kViolet);
    EXPECT_NE(b.surface.at(0, 1).back, kViolet);
}

TEST_F(KeyEntryTest, ShownCandidatesRedrawTheWholeGridAfterEveryKey) {
    b.pc().Scribbling = true;
    b.surface.resetCounts();
    b.type("5");
    EXPECT_EQ(b.surface.textWrites, 1 + 81);
    EXPECT_EQ(b.surface.at(0, 1).text, "1 2 3 4 6 7 8 9");
}

TEST_F(KeyEntryTest, NoCurrentCellStartsAtTheTopLeft) {
    b.at(-1, -1);
    b.type("3");
    EXPECT_EQ(b.cell(0, 0).Trying, 3);
    EXPECT_EQ(b.surface.row, 0);
    EXPECT_EQ(b.surface.col, 1);
}

TEST_F(KeyEntryTest, HandSolvedGridIsAnnouncedAtTheNextFullRedraw) {
    fillGivens(b, kSolution.substr(0, 80) + ".");
    fc.Initial = false;
    b.at(8, 8);
    b.type("9");
    b.grid.bUnloadGrid();
    EXPECT_EQ(b.status.panel(2), "Solved- Well done!");
}

}  // namespace
}  // namespace velmora::test
