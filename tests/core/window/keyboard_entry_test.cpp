// Typing a puzzle in by keys alone: blanks, wrapping and jumping cursor keys, hand-kept pencil
// marks toggled with a key, and the highlighted value: which cells and candidates stand out, in a
// colour of its own, never changing the puzzle.
#include <gtest/gtest.h>

#include "bench.h"
#include "commands/pencil_mark_commands.h"
#include "display/digit_highlight.h"
#include "display/key_codes.h"
#include "elimination/candidates.h"
#include "texts/messages.h"

namespace velmora::test {
namespace {

TEST(KeyboardEntryTest, ANewspaperPuzzleTypesInWithDotsForBlanks) {
    const std::string puzzle = loadSamples("logic-3x3.txt").at(0).puzzle;
    DrawnBench b;
    b.type(puzzle);
    EXPECT_EQ(b.gridText(), puzzle);
    EXPECT_EQ(b.values(true), b.values()) << "every value typed in is a given";
    EXPECT_EQ(b.surface.beeps, 0);
}

TEST(KeyboardEntryTest, AZeroThatIsNoElementIsABlankAndSpaceEmptiesInPlace) {
    DrawnBench b;
    b.type("1.20.3");
    EXPECT_EQ(b.gridText().substr(0, 7), "1.2..3.");
    EXPECT_EQ(b.surface.at, (GridCursor{0, 6}));
    b.moveTo(0, 2);
    b.type(" ");
    EXPECT_EQ(b.gridText().substr(0, 3), "1..");
    EXPECT_EQ(b.surface.at, (GridCursor{0, 2})) << "Space empties and stays";
    b.moveTo(0, 0);
    b.type(".");
    EXPECT_EQ(b.gridText().substr(0, 3), "...") << "a blank clears a value";
    // Where 0 is an element (16x16) it is a value.
    DrawnBench big(4, 4);
    big.type("0");
    EXPECT_EQ(big.gridText().front(), '0');
}

TEST(KeyboardEntryTest, BlanksOverOpenCellsRecordNothingAndPassOverGivensInSolutionMode) {
    DrawnBench b;
    b.type("...");
    EXPECT_EQ(b.history().undoCount(), 0);
    b.type("4");
    b.history().Initial = false;
    b.moveTo(0, 3);
    b.type(".7");
    EXPECT_EQ(b.gridText().substr(3, 2), "47") << "the given stands, the blank moved on";
    EXPECT_EQ(b.surface.beeps, 0);
    b.moveTo(0, 3);
    b.type(std::string(1, static_cast<char>(kKeyBackspace)));
    EXPECT_EQ(b.surface.beeps, 1) << "Backspace cannot clear a given";
}

TEST(KeyboardEntryTest, CursorKeysWrapAtRowEndsAndJumpToEnds) {
    for (const auto& [rows, cols] : {std::pair{3, 3}, std::pair{3, 6}}) {
        DrawnBench b(rows, cols);
        const int e = rows * cols - 1;  // the last row and column
        b.moveTo(0, e);
        // Each move from where the previous one left the cursor; edges hold it.
        const std::pair<CursorMove, GridCursor> moves[] = {
            {CursorMove::Right, {1, 0}},    {CursorMove::Left, {0, e}},
            {CursorMove::RowStart, {0, 0}}, {CursorMove::Left, {0, 0}},
            {CursorMove::Up, {0, 0}},       {CursorMove::RowEnd, {0, e}},
            {CursorMove::GridEnd, {e, e}},  {CursorMove::Right, {e, e}},
            {CursorMove::Down, {e, e}},     {CursorMove::GridStart, {0, 0}}};
        for (const auto& [move, to] : moves) {
            b.control.moveCursor(move);
            EXPECT_EQ(b.surface.at, to) << static_cast<int>(move);
        }
    }
}

TEST(KeyboardEntryTest, APencilMarkKeyTogglesOneCandidateAsOneUndoableChange) {
    DrawnBench b;
    EXPECT_FALSE(togglePencilMark(*b.wb, 0, 0, '1'));
    EXPECT_EQ(b.messages.shown.at(0), getMessage(MessageId::TickManualFirst, 0));
    b.pc().manualPencilMarks = true;
    const std::uint32_t before = b.cell(2, 3).bPoss;
    EXPECT_TRUE(togglePencilMark(*b.wb, 2, 3, '7'));
    EXPECT_EQ(b.cell(2, 3).bPoss, before ^ candidateBit(6));
    EXPECT_TRUE(togglePencilMark(*b.wb, 2, 3, 'a') == false) << "no element in a 9x9";
    EXPECT_TRUE(togglePencilMark(*b.wb, 2, 3, '7'));
    EXPECT_EQ(b.cell(2, 3).bPoss, before);
    EXPECT_EQ(b.history().undoCount(), 2);
    b.history().unDo();
    EXPECT_EQ(b.cell(2, 3).bPoss, before ^ candidateBit(6));
    // A cell with a value has no pencil marks to toggle.
    b.moveTo(4, 4);
    b.type("9");
    EXPECT_FALSE(togglePencilMark(*b.wb, 4, 4, '1'));
}

struct HighlightBench : DrawnBench {
    HighlightBench() {
        std::string fives(81, '.');  // 5s at (0,4), (3,0) and (8,8)
        fives[4] = fives[27] = fives[80] = '5';
        enterGivens(fives);
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
