#include "display/candidate_display.h"

#include <gtest/gtest.h>

#include "display_bench.h"

namespace velmora::test {
namespace {

TEST(CandidateDisplayTest, TickingShowsCandidateListsAndUntickingHidesThem) {
    DisplayBench b;
    b.type("5");
    b.settings.pencilMarks = true;
    ckbScribbleArea_Click(*b.wb);
    EXPECT_TRUE(b.pc().Scribbling);
    EXPECT_EQ(b.surface.at(0, 1).text, "1 2 3 4 6 7 8 9");
    EXPECT_EQ(b.surface.at(5, 5).text, "1 2 3 4 5 6 7 8 9");
    b.settings.pencilMarks = false;
    ckbScribbleArea_Click(*b.wb);
    EXPECT_FALSE(b.pc().Scribbling);
    EXPECT_EQ(b.surface.at(0, 1).text, "");
    EXPECT_EQ(b.surface.at(0, 0).text, "5");
}

// How many candidate characters the grid shows in its open cells.
int shownCandidates(DisplayBench& b) {
    int count = 0;
    for (int r = 0; r < 9; ++r)
        for (int c = 0; c < 9; ++c)
            if (!b.cell(r, c).Sure)
                for (char ch : b.surface.at(r, c).text)
                    count += ch != ' ';
    return count;
}

TEST(CandidateDisplayTest, UntickingSimpleEliminationShowsFewerCandidates) {
    DisplayBench b;
    b.settings.pencilMarks = true;
    ckbScribbleArea_Click(*b.wb);
    // A puzzle of logic-3x3.txt: the complex rules remove candidates the basic rule keeps.
    const std::string puzzle =
        "9..16.8......8.6.3.4..35...3.7..6......7...2.....59..7.1..4..5.8.2.....6.........";
    for (int i = 0; i < 81; ++i)
        if (puzzle[static_cast<std::size_t>(i)] != '.')
            b.cells().getcellBigindex(i).putOriginal(puzzle[static_cast<std::size_t>(i)] - '0');
    b.cells().resetPossibilities();
    b.grid.bUnloadGrid();
    const int simple = shownCandidates(b);
    ckbExperimental_Click(*b.wb, false);
    EXPECT_TRUE(b.pc().Experimental);
    EXPECT_LT(shownCandidates(b), simple);
    ckbExperimental_Click(*b.wb, true);
    EXPECT_FALSE(b.pc().Experimental);
    EXPECT_EQ(shownCandidates(b), simple);
}

}  // namespace
}  // namespace velmora::test

namespace velmora::test {
namespace {

TEST(ManualPencilMarksTest, YesClearsEveryListAndLocksTheDisplayOn) {
    DisplayBench b;
    b.type("5");
    b.messages.answer = true;
    ckbmanualpencilmarks_Click(*b.wb, true);
    EXPECT_EQ(b.messages.lastQuestion, "Shall I clear all computer generated pencil marks first ?");
    EXPECT_TRUE(b.pc().manualPencilMarks);
    EXPECT_TRUE(b.pc().Scribbling);
    EXPECT_TRUE(b.settings.pencilMarks);
    EXPECT_FALSE(b.settings.showPencilMarksEnabled);
    for (int r = 0; r < 9; ++r)
        for (int c = 0; c < 9; ++c)
            EXPECT_EQ(b.cell(r, c).countPossibilities, 0);
    // No red for cells without candidates: the marks are the user's.
    EXPECT_EQ(b.surface.at(4, 1).back, b.pc().cBackoddValidSquare);
    EXPECT_EQ(b.surface.at(0, 0).text, "5");

    ckbmanualpencilmarks_Click(*b.wb, false);
    EXPECT_FALSE(b.pc().manualPencilMarks);
    EXPECT_TRUE(b.settings.showPencilMarksEnabled);
    EXPECT_TRUE(b.settings.pencilMarks);
}

TEST(ManualPencilMarksTest, NoKeepsTheComputedLists) {
    DisplayBench b;
    b.type("5");
    b.messages.answer = false;
    ckbmanualpencilmarks_Click(*b.wb, true);
    EXPECT_EQ(b.surface.at(0, 1).text, "1 2 3 4 6 7 8 9");
    // Typing a value no longer touches the other cells' marks.
    b.at(0, 2);
    b.type("7");
    EXPECT_EQ(b.surface.at(0, 1).text, "1 2 3 4 6 7 8 9");
}

TEST(ManualPencilMarksTest, WhileLoadingTheBoxesOnlySetTheirFields) {
    DisplayBench b;
    b.type("5");
    const std::uint32_t marks = b.cell(0, 1).bPoss;
    const int writes = b.surface.textWrites;
    b.wb->fControl().Loading = true;
    b.messages.lastQuestion.clear();
    ckbmanualpencilmarks_Click(*b.wb, true);
    EXPECT_TRUE(b.pc().manualPencilMarks);
    EXPECT_TRUE(b.messages.lastQuestion.empty());
    EXPECT_FALSE(b.settings.showPencilMarksEnabled);
    b.settings.pencilMarks = true;
    ckbScribbleArea_Click(*b.wb);
    EXPECT_TRUE(b.pc().Scribbling);
    ckbExperimental_Click(*b.wb, false);
    EXPECT_TRUE(b.pc().Experimental);
    b.wb->fControl().Loading = false;
    EXPECT_EQ(b.cell(0, 1).bPoss, marks);
    EXPECT_EQ(b.surface.textWrites, writes);
}

}  // namespace
}  // namespace velmora::test
