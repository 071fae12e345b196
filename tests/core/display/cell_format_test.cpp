#include "display/cell_format.h"

#include <gtest/gtest.h>

#include "display_bench.h"

namespace velmora::test {
namespace {

constexpr Colour kCyan = rgb(200, 240, 240);
constexpr Colour kWhite = rgb(255, 255, 255);
constexpr Colour kViolet = rgb(230, 100, 240);
constexpr Colour kRed = rgb(255, 0, 0);
constexpr Colour kBlack = rgb(0, 0, 0);
constexpr Colour kBlue = rgb(0, 0, 255);
constexpr Colour kGreen = rgb(60, 150, 60);
constexpr Colour kGreyViolet = rgb(128, 128, 168);

class CellFormatTest : public ::testing::Test {
  protected:
    DisplayBench bench;
    PuzzleControl& pc = bench.pc();
};

TEST_F(CellFormatTest, GivenIsBlackTahomaCentredAtTheValueSize) {
    scell& s = bench.cell(0, 0);
    s.putOriginal(5);
    const CellFormat f = cellFormat(s, pc);
    EXPECT_EQ(f.fore, kBlack);
    EXPECT_EQ(f.fontName, "tahoma");
    EXPECT_EQ(f.fontSize, 20);
    EXPECT_EQ(f.alignment, CellAlignment::Centre);
    EXPECT_FALSE(f.wordWrap);
    EXPECT_EQ(cellText(s, pc), "5");
}

TEST_F(CellFormatTest, UserEntryIsBlueComicSans) {
    scell& s = bench.cell(0, 3);
    s.putEntered(7);
    const CellFormat f = cellFormat(s, pc);
    EXPECT_EQ(f.fore, kBlue);
    EXPECT_EQ(f.fontName, "Comic Sans MS");
    EXPECT_EQ(f.fontSize, 20);
}

TEST_F(CellFormatTest, SolverValueIsGreenTahoma) {
    scell& s = bench.cell(4, 4);
    s.putSure(9);
    const CellFormat f = cellFormat(s, pc);
    EXPECT_EQ(f.fore, kGreen);
    EXPECT_EQ(f.fontName, "tahoma");
}

TEST_F(CellFormatTest, CellFlaggedBothWaysShowsAsTheUsersEntry) {
    scell& s = bench.cell(0, 0);
    s.putOriginal(3);
    s.Entered = true;
    EXPECT_EQ(cellFormat(s, pc).fore, kBlue);
    EXPECT_EQ(cellFormat(s, pc).fontName, "Comic Sans MS");
}

TEST_F(CellFormatTest, ValueZeroShowsAQuestionMarkInTheValueLook) {
    scell& s = bench.cell(0, 0);
    s.putOriginal(0);
    EXPECT_EQ(cellText(s, pc), "?");
    EXPECT_EQ(cellFormat(s, pc).fontSize, 20);
    EXPECT_EQ(cellFormat(s, pc).alignment, CellAlignment::Centre);
}

TEST_F(CellFormatTest, ElementCharactersComeFromTheElementString) {
    pc.sElements = "ABCDEFGHI";
    scell& s = bench.cell(0, 0);
    s.putOriginal(9);
    EXPECT_EQ(cellText(s, pc), "I");
}

TEST_F(CellFormatTest, BoxesAreShadedLikeAChessboard) {
    EXPECT_EQ(cellFormat(bench.cell(0, 0), pc).back, kCyan);   // box 0
    EXPECT_EQ(cellFormat(bench.cell(0, 3), pc).back, kWhite);  // box 1
    EXPECT_EQ(cellFormat(bench.cell(4, 4), pc).back, kCyan);   // box 4
    EXPECT_EQ(cellFormat(bench.cell(8, 3), pc).back, kWhite);  // box 7
    EXPECT_EQ(cellFormat(bench.cell(8, 8), pc).back, kCyan);   // box 8
}

TEST_F(CellFormatTest, CandidateListIsSmallGreyVioletAtTheTopWithSingleBlanks) {
    pc.Scribbling = true;
    scell& s = bench.cell(1, 1);
    s.clearallPossibilities();
    for (int v : {2, 4, 7})
        s.putPossibility(v - 1);
    const CellFormat f = cellFormat(s, pc);
    EXPECT_EQ(cellText(s, pc), "2 4 7");
    EXPECT_EQ(f.fontName, "tahoma");
    EXPECT_EQ(f.fontSize, 8);
    EXPECT_EQ(f.fore, kGreyViolet);
    EXPECT_EQ(f.alignment, CellAlignment::TopCentre);
    EXPECT_TRUE(f.wordWrap);
}

TEST_F(CellFormatTest, HiddenCandidatesLeaveTheCellEmptyButKeepTheSmallFormat) {
    pc.Scribbling = false;
    const scell& s = bench.cell(1, 1);
    ASSERT_GT(s.countPossibilities, 0);
    EXPECT_EQ(cellText(s, pc), "");
    EXPECT_EQ(cellFormat(s, pc).alignment, CellAlignment::TopCentre);
    EXPECT_EQ(cellFormat(s, pc).fontSize, 8);
}

TEST_F(CellFormatTest, CellWithoutCandidatesIsRedAndShowsNothing) {
    pc.Scribbling = true;
    scell& s = bench.cell(0, 3);
    s.clearallPossibilities();
    EXPECT_EQ(cellFormat(s, pc).back, kRed);
    EXPECT_EQ(cellText(s, pc), "");
}

TEST_F(CellFormatTest, ConflictBeatsNoCandidates) {
    scell& s = bench.cell(0, 0);
    s.clearallPossibilities();
    s.Invalid = true;
    EXPECT_EQ(cellFormat(s, pc).back, kViolet);
}

TEST_F(CellFormatTest, ManualPencilMarksShowNeitherRedNorViolet) {
    pc.manualPencilMarks = true;
    scell& empty = bench.cell(0, 3);
    empty.clearallPossibilities();
    scell& clash = bench.cell(0, 0);
    clash.putOriginal(1);
    clash.Invalid = true;
    EXPECT_EQ(cellFormat(empty, pc).back, kWhite);
    EXPECT_EQ(cellFormat(clash, pc).back, kCyan);
}

TEST(CellFormatSizes, SixteenBySixteenCandidatesUseItsCharacters) {
    DisplayBench bench(1);
    bench.pc().Scribbling = true;
    scell& s = bench.cell(0, 0);
    s.clearallPossibilities();
    s.putPossibility(9);
    s.putPossibility(10);
    EXPECT_EQ(cellText(s, bench.pc()), "0 A");
    EXPECT_EQ(cellFormat(s, bench.pc()).fontSize, 6.5);
}

TEST(CellFormatSizes, TwoByThreeBoxesAlternateFromBandToBand) {
    DisplayBench bench(3);
    const PuzzleControl& pc = bench.pc();
    EXPECT_EQ(cellFormat(bench.cell(0, 0), pc).back, kCyan);   // box 0
    EXPECT_EQ(cellFormat(bench.cell(0, 3), pc).back, kWhite);  // box 1
    EXPECT_EQ(cellFormat(bench.cell(2, 0), pc).back, kWhite);  // box 2
    EXPECT_EQ(cellFormat(bench.cell(2, 3), pc).back, kCyan);   // box 3
}

}  // namespace
}  // namespace velmora::test
