// The highlighted value: which cells and candidates stand out, in a colour of its own, and that
// it never changes the puzzle.
#include <gtest/gtest.h>

#include "bench.h"
#include "display/digit_highlight.h"
#include "display/key_codes.h"
#include "elimination/candidates.h"

namespace velmora::test {
namespace {

// A 9x9 puzzle with the 5s at (0,4), (3,0) and (8,8).
const std::string kPuzzle =
    "....5...."
    "........."
    "........."
    "5........"
    "........."
    "........."
    "........."
    "........."
    "........5";

struct HighlightBench : DrawnBench {
    HighlightBench() {
        enterGivens(kPuzzle);
        pc().Scribbling = true;
        control.bUnloadGrid();
    }
    std::uint32_t bit5 = candidateBit(4);
};

TEST(DigitHighlightTest, ValueCellsAndItsCandidatesStandOutAndNothingElse) {
    HighlightBench b;
    const std::vector<CellView> before = b.surface.cells;
    const std::string grid = b.gridText();
    b.control.toggleDigit(5);
    EXPECT_EQ(b.control.highlightedDigit(), 5);
    for (int r = 0; r < 9; ++r) {
        for (int c = 0; c < 9; ++c) {
            const CellView& was = before[static_cast<std::size_t>(r * 9 + c)];
            const CellView& now = b.surface.cell(r, c);
            const scell& s = b.cell(r, c);
            if (s.Sure && s.Trying == 5) {
                EXPECT_NE(now.format.back, was.format.back) << r << c;
            } else if ((now.candidates & b.bit5) != 0) {
                EXPECT_EQ(now.marked, b.bit5) << r << c;
                EXPECT_EQ(now.format.markFore, kDigitMarkFore);
                EXPECT_EQ(now.format.back, was.format.back);
            } else {
                EXPECT_EQ(now, was) << r << c;
            }
        }
    }
    EXPECT_EQ(b.gridText(), grid);
    b.control.toggleDigit(5);
    EXPECT_EQ(b.control.highlightedDigit(), 0);
    EXPECT_EQ(b.surface.cells, before);
}

TEST(DigitHighlightTest, ClicksAndKeysTurnItOnAndOff) {
    HighlightBench b;
    b.control.cellClicked(0, 0);  // an open cell: nothing to highlight
    EXPECT_EQ(b.control.highlightedDigit(), 0);
    b.control.cellClicked(3, 0);
    EXPECT_EQ(b.control.highlightedDigit(), 5);
    b.control.cellClicked(8, 8);  // the same value again ends it
    EXPECT_EQ(b.control.highlightedDigit(), 0);
    b.control.highlightKey('7');
    EXPECT_EQ(b.control.highlightedDigit(), 7);
    const int beeps = b.surface.beeps;
    b.control.loadKeypress(kKeyEscape);
    EXPECT_EQ(b.control.highlightedDigit(), 0);
    EXPECT_EQ(b.surface.beeps, beeps) << "Escape that ends a highlight is no refused key";
    b.control.highlightKey('X');
    EXPECT_EQ(b.surface.beeps, beeps + 1);
    b.moveTo(0, 4);
    b.control.highlightCurrentValue();
    EXPECT_EQ(b.control.highlightedDigit(), 5);
    b.moveTo(0, 0);
    b.control.highlightCurrentValue();
    EXPECT_EQ(b.control.highlightedDigit(), 0);
}

TEST(DigitHighlightTest, AConflictKeepsItsVioletAndTypingKeepsTheHighlight) {
    HighlightBench b;
    b.control.toggleDigit(5);
    b.moveTo(0, 0);
    b.type("5");  // a second 5 in row 0
    EXPECT_EQ(b.surface.cell(0, 0).format.back, b.pc().cBackevenInvalidSquare);
    EXPECT_EQ(b.control.highlightedDigit(), 5);
    b.moveTo(0, 0);
    b.type(std::string(1, static_cast<char>(kKeyBackspace)));
    b.moveTo(1, 1);
    b.type("5");
    EXPECT_EQ(b.surface.cell(1, 1).format.back, kDigitBackEven) << "a new 5 is highlighted too";
}

}  // namespace
}  // namespace velmora::test
