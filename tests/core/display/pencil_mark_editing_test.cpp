#include "display/pencil_mark_editing.h"

#include <gtest/gtest.h>

#include "display/candidate_display.h"
#include "display_bench.h"
#include "history/form_control.h"

namespace velmora::test {
namespace {

// A 9x9 bench whose cell (0, 0) has the candidates 2, 5 and 8: 1, 3 and 4 stand in its row,
// 6 and 7 in its column and 9 in its box.
struct EditingBench : DisplayBench {
    EditingBench() {
        settings.pencilMarks = true;
        ckbScribbleArea_Click(*wb);
        for (const auto& [r, c, v] :
             {std::tuple{0, 3, 1}, {0, 4, 3}, {0, 5, 4}, {3, 0, 6}, {4, 0, 7}, {1, 1, 9}})
            cell(r, c).putOriginal(v);
        cells().resetPossibilities();
        grid.bUnloadGrid();
        messages.answer = false;  // keep the computed marks
        ckbmanualpencilmarks_Click(*wb, true);
        messages.lastQuestion.clear();
    }
};

TEST(PencilMarkEditingTest, ManualMarksOffShowsMessage17AndOpensNothing) {
    DisplayBench b;
    EXPECT_FALSE(EntryGrid_DblClick(*b.wb, 0, 0).has_value());
    EXPECT_EQ(b.messages.lastInformation,
              "If you are sure you want to manually control pencil marks- please tick that box");
    EXPECT_EQ(b.wb->fControl().undoCount(), 0);
}

TEST(PencilMarkEditingTest, OpensWithTheCandidatesDressedLikeTheCell) {
    EditingBench b;
    const auto look = EntryGrid_DblClick(*b.wb, 0, 0);
    ASSERT_TRUE(look.has_value());
    EXPECT_EQ(look->text, "258");
    EXPECT_EQ(look->back, b.pc().cBackevenValidSquare);
    EXPECT_EQ(look->fore, b.pc().cComputerMaybeIndex);
    EXPECT_EQ(look->fontName, "tahoma");
    EXPECT_EQ(look->fontSize, 8);
    EXPECT_EQ(b.wb->fControl().undoCount(), 1);
    // A cell of the second box, which is odd.
    const auto odd = EntryGrid_DblClick(*b.wb, 1, 4);
    ASSERT_TRUE(odd.has_value());
    EXPECT_EQ(odd->back, b.pc().cBackoddValidSquare);
}

TEST(PencilMarkEditingTest, TypingNineAfter258GivesFourCandidates) {
    EditingBench b;
    ASSERT_TRUE(EntryGrid_DblClick(*b.wb, 0, 0).has_value());
    EXPECT_TRUE(applyPencilMarkText(*b.wb, 0, 0, "2589"));
    const scell& c = b.cell(0, 0);
    EXPECT_EQ(c.countPossibilities, 4);
    for (int v : {2, 5, 8, 9})
        EXPECT_TRUE(c.getPossibility(v - 1)) << v;
    EXPECT_EQ(b.surface.at(0, 0).text, "2 5 8 9");
}

TEST(PencilMarkEditingTest, BlanksLowerCaseAndRepeatsAreAccepted) {
    DisplayBench b(1);  // 16x16: elements 1..9, 0, A..F
    b.settings.pencilMarks = true;
    ckbScribbleArea_Click(*b.wb);
    ckbmanualpencilmarks_Click(*b.wb, true);
    EXPECT_TRUE(applyPencilMarkText(*b.wb, 2, 3, " a f 0 a 1"));
    EXPECT_EQ(b.surface.at(2, 3).text, "1 0 A F");
    EXPECT_TRUE(applyPencilMarkText(*b.wb, 2, 3, "   "));
    EXPECT_EQ(b.cell(2, 3).countPossibilities, 0);
    EXPECT_EQ(b.surface.at(2, 3).text, "");
}

TEST(PencilMarkEditingTest, AnInvalidCharacterIsNamedAndChangesNothing) {
    EditingBench b;
    ASSERT_TRUE(EntryGrid_DblClick(*b.wb, 0, 0).has_value());
    const std::uint32_t before = b.cell(0, 0).bPoss;
    EXPECT_FALSE(applyPencilMarkText(*b.wb, 0, 0, "25x9"));
    EXPECT_EQ(b.messages.lastInformation, "X:is not a valid character for this puzzle");
    EXPECT_EQ(b.cell(0, 0).bPoss, before);
    // A 0 is no element of a 9x9 puzzle; a character outside ASCII is shown as typed.
    EXPECT_FALSE(applyPencilMarkText(*b.wb, 0, 0, "0"));
    EXPECT_EQ(b.messages.lastInformation, "0:is not a valid character for this puzzle");
    EXPECT_FALSE(applyPencilMarkText(*b.wb, 0, 0, "2\xc3\xa9"));
    EXPECT_EQ(b.messages.lastInformation, "\xc3\xa9:is not a valid character for this puzzle");
    EXPECT_EQ(b.cell(0, 0).bPoss, before);
}

TEST(PencilMarkEditingTest, GermanKeepsTheMessagesEnglish) {
    EditingBench b;
    b.pc().wLanguage = 1;
    EXPECT_FALSE(applyPencilMarkText(*b.wb, 0, 0, "q"));
    EXPECT_EQ(b.messages.lastInformation, "Q:is not a valid character for this puzzle");
}

TEST(PencilMarkEditingTest, AValueCellAsksMessage18AndNoKeepsIt) {
    EditingBench b;
    b.messages.answer = false;
    EXPECT_FALSE(EntryGrid_DblClick(*b.wb, 0, 3).has_value());
    EXPECT_EQ(b.messages.lastQuestion, "If you edit pencilmarks you will delete this entry - ok?");
    EXPECT_TRUE(b.cell(0, 3).Sure);
    EXPECT_TRUE(b.cell(0, 3).Original);
    EXPECT_EQ(b.wb->fControl().undoCount(), 0);
}

TEST(PencilMarkEditingTest, YesOpensWithTheValueAndTheCellHoldsNoValue) {
    EditingBench b;
    b.messages.answer = true;
    const auto look = EntryGrid_DblClick(*b.wb, 0, 3);
    ASSERT_TRUE(look.has_value());
    EXPECT_EQ(look->text, "1");
    const scell& c = b.cell(0, 3);
    EXPECT_FALSE(c.Sure);
    EXPECT_FALSE(c.Original);
    EXPECT_FALSE(c.Entered);
    // Leaving the box with its text untouched leaves that one candidate.
    EXPECT_TRUE(applyPencilMarkText(*b.wb, 0, 3, look->text));
    EXPECT_EQ(c.countPossibilities, 1);
    EXPECT_TRUE(c.getPossibility(0));
    EXPECT_EQ(b.surface.at(0, 3).text, "1");
}

TEST(PencilMarkEditingTest, OneUndoBringsBackTheCellFromBeforeTheDoubleClick) {
    EditingBench b;
    b.messages.answer = true;
    ASSERT_TRUE(EntryGrid_DblClick(*b.wb, 0, 3).has_value());
    ASSERT_TRUE(applyPencilMarkText(*b.wb, 0, 3, "12"));
    ASSERT_TRUE(applyPencilMarkText(*b.wb, 0, 3, "12"));  // Enter, then the focus leaving
    EXPECT_EQ(b.wb->fControl().undoCount(), 1);
    b.wb->fControl().unDo();
    const scell& c = b.cell(0, 3);
    EXPECT_TRUE(c.Sure);
    EXPECT_TRUE(c.Original);
    EXPECT_EQ(c.Trying, 1);
    EXPECT_EQ(b.surface.at(0, 3).text, "1");
}

}  // namespace
}  // namespace velmora::test
