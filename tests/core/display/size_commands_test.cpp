#include "display/size_commands.h"

#include <gtest/gtest.h>

#include "display_bench.h"
#include "history/form_control.h"

namespace velmora::test {
namespace {

TEST(SizeCommandsTest, ChoosingTwoByThreeGivesAnEmptySixBySix) {
    DisplayBench b;
    b.type("12");
    b.settings.sizeOption = 3;
    optSize_Click(*b.wb, 3);
    EXPECT_EQ(b.pc().nDim, 6);
    EXPECT_EQ(b.pc().nRows, 2);
    EXPECT_EQ(b.pc().nCols, 3);
    EXPECT_EQ(b.pc().sElements, "123456");
    EXPECT_EQ(b.settings.elementsText, "123456");
    EXPECT_EQ(b.surface.rows, 6);
    EXPECT_EQ(b.surface.columnWidth(0), 55);  // 41.6 points
    EXPECT_EQ(b.cells().allDone(), 2);
    EXPECT_TRUE(b.wb->fControl().Initial);
    EXPECT_EQ(b.status.panel(1), "Puzzle cleared - enter, generate or load a new one");
}

TEST(SizeCommandsTest, ASizeChangeDropsCustomCharacters) {
    DisplayBench b;
    b.pc().sElements = "ABCDEFGHI";
    b.settings.sizeOption = 9;
    optSize_Click(*b.wb, 9);
    EXPECT_EQ(b.pc().sElements, "1234567890ABCDEFGH");
    EXPECT_EQ(b.surface.rows, 18);
}

TEST(SizeCommandsTest, WhileLoadingOnlyTheSizeIsNoted) {
    DisplayBench b;
    b.type("7");
    b.wb->fControl().Loading = true;
    optSize_Click(*b.wb, 4);
    EXPECT_EQ(b.pc().sgValue, 4);
    EXPECT_EQ(b.pc().nDim, 9);
    EXPECT_EQ(b.cell(0, 0).Trying, 7);
}

TEST(SizeCommandsTest, LeavingTheBoxAcceptsAStringOfTheRightLength) {
    DisplayBench b;
    tbSelements_Validate(*b.wb, "abcdefghi");
    EXPECT_EQ(b.pc().sElements, "ABCDEFGHI");
    EXPECT_EQ(b.settings.elementsText, "ABCDEFGHI");
    EXPECT_EQ(b.messages.lastInformation, "");
}

TEST(SizeCommandsTest, LeavingTheBoxWithTheWrongLengthComplainsAndRestores) {
    DisplayBench b;
    b.settings.elementsText = "12345678";
    tbSelements_Validate(*b.wb, "12345678");
    EXPECT_EQ(b.messages.lastInformation, "9  characters needed for this puzzle");
    EXPECT_EQ(b.pc().sElements, "123456789");
    EXPECT_EQ(b.settings.elementsText, "123456789");
}

}  // namespace
}  // namespace velmora::test
