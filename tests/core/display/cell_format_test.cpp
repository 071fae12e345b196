// How cells are drawn in the cases the window tests do not reach: both flags, a value of 0, the
// red and violet backgrounds against each other and against manual marks, 16x16 candidates.
#include "display/cell_format.h"

#include <gtest/gtest.h>

#include "support/puzzle_fixture.h"

namespace velmora::test {
namespace {

constexpr Colour kCyan = rgb(200, 240, 240);
constexpr Colour kWhite = rgb(255, 255, 255);

TEST(CellFormat, UnusualCellsLookAsTheRulesSay) {
    Bench bench;
    PuzzleControl& pc = bench.pc();
    auto format = [&](int r, int c) { return cellFormat(bench.cell(r, c), pc); };
    // Flagged both ways, a cell shows as the user's entry.
    bench.cell(0, 0).putOriginal(3);
    bench.cell(0, 0).Entered = true;
    EXPECT_EQ(format(0, 0), (CellFormat{kCyan, rgb(0, 0, 255), "Comic Sans MS", 20,
                                        CellAlignment::Centre, false}));
    // A value of 0 shows a question mark in the value look.
    bench.cell(8, 8).putOriginal(0);
    EXPECT_EQ(cellText(bench.cell(8, 8), pc), "?");
    EXPECT_EQ(format(8, 8).alignment, CellAlignment::Centre);
    // Hidden candidates keep their small format.
    EXPECT_EQ(cellText(bench.cell(1, 1), pc), "");
    EXPECT_EQ(format(1, 1).fontSize, 8);
    EXPECT_EQ(format(1, 1).alignment, CellAlignment::TopCentre);
    // No candidates is red and a conflict violet, which wins; neither while marks are manual.
    pc.Scribbling = true;
    bench.cell(0, 3).clearallPossibilities();
    EXPECT_EQ(format(0, 3).back, rgb(255, 0, 0));
    EXPECT_EQ(cellText(bench.cell(0, 3), pc), "");
    bench.cell(0, 0).clearallPossibilities();
    bench.cell(0, 0).Invalid = true;
    EXPECT_EQ(format(0, 0).back, rgb(230, 100, 240));
    pc.manualPencilMarks = true;
    EXPECT_EQ(format(0, 3).back, kWhite);
    EXPECT_EQ(format(0, 0).back, kCyan);
}

TEST(CellFormat, SixteenBySixteenCandidatesUseItsCharactersAndSize) {
    Bench bench(4, 4);
    bench.pc().Scribbling = true;
    scell& s = bench.cell(0, 0);
    s.clearallPossibilities();
    s.putPossibility(9);
    s.putPossibility(10);
    EXPECT_EQ(cellText(s, bench.pc()), "0 A");
    EXPECT_EQ(cellFormat(s, bench.pc()).fontSize, 6.5);
}

}  // namespace
}  // namespace velmora::test
