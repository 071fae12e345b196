// The Explain button's ladder as the user meets it: name, show, apply, undo, start again.
#include "commands/explain_ladder.h"

#include <gtest/gtest.h>

#include "bench.h"
#include "commands/commands.h"
#include "display/grid_control.h"

namespace velmora {
namespace {

const std::string& explanation(test::DrawnBench& b) {
    return static_cast<const QuietExplanation&>(b.wb->module().explanation()).text;
}

int emphasised(const test::FakeSurface& s, Colour odd, Colour even) {
    int count = 0;
    for (const CellView& c : s.cells)
        count += c.format.back == odd || c.format.back == even;
    return count;
}

TEST(ExplainLadder, NamesThenShowsThenAppliesOneUndoableStep) {
    test::DrawnBench b;
    b.enterGivens(test::loadSamples("logic-3x3.txt").at(0).puzzle);
    cbenterSolution_Click(*b.wb);
    b.pc().Experimental =
        false;  // "Simple Elimination only": basic candidates, so eliminations show

    int eliminationSteps = 0;
    for (int step = 0; step < 200 && !b.cells().isSolved(); ++step) {
        const std::string before = b.gridText();
        cbExplain_Click(*b.wb);
        ASSERT_EQ(b.wb->ladder().stage(), 1);
        ASSERT_EQ(b.wb->ladder().finding().state, GridState::Step);
        const std::string title = explanation(b);
        EXPECT_FALSE(title.empty());
        EXPECT_TRUE(b.pc().Scribbling) << "the ladder shows the candidates it works on";

        cbExplain_Click(*b.wb);
        ASSERT_EQ(b.wb->ladder().stage(), 2);
        EXPECT_GT(explanation(b).size(), title.size()) << "the full sentence";
        const Step shown = b.wb->ladder().finding().step;
        int struck = 0;
        for (const CellView& c : b.surface.cells)
            struck += std::popcount(c.struck);
        EXPECT_EQ(struck, static_cast<int>(shown.eliminations.size()));

        const int undoBefore = b.history().undoCount();
        cbExplain_Click(*b.wb);
        EXPECT_EQ(b.wb->ladder().stage(), 0);
        EXPECT_TRUE(explanation(b).empty()) << "the grid changed, the words went";
        if (!shown.eliminations.empty()) {
            ++eliminationSteps;
            EXPECT_TRUE(b.pc().manualPencilMarks) << "removed candidates last only in kept marks";
            for (const CellValue& e : shown.eliminations)
                EXPECT_FALSE(b.cells().getcellBigindex(e.cell).getPossibility(e.value - 1));
        }
        // One Undo takes the whole step back, one Redo puts it back.
        if (step == 3 || !shown.eliminations.empty()) {
            const std::string after = b.gridText();
            cbUndo_Click(*b.wb);
            EXPECT_EQ(b.gridText(), before);
            EXPECT_EQ(b.history().undoCount(), undoBefore);
            cbRedo_Click(*b.wb);
            EXPECT_EQ(b.gridText(), after);
        }
    }
    EXPECT_TRUE(b.cells().isSolved());
    EXPECT_GT(eliminationSteps, 0);
}

TEST(ExplainLadder, AnyChangeToTheGridStartsAgain) {
    test::DrawnBench b;
    b.enterGivens(test::loadSamples("singles-3x3.txt").at(0).puzzle);
    cbenterSolution_Click(*b.wb);
    cbExplain_Click(*b.wb);
    cbExplain_Click(*b.wb);
    ASSERT_EQ(b.wb->ladder().stage(), 2);
    EXPECT_GT(emphasised(b.surface, rgb(196, 240, 196), rgb(160, 222, 160)), 0);
    // The user types a value somewhere: the highlight and the words go, the ladder restarts.
    for (int cell = 0; cell < 81; ++cell) {
        if (b.cells().getcellBigindex(cell).Sure) continue;
        b.moveTo(cell / 9, cell % 9);
        b.type("1");
        break;
    }
    EXPECT_EQ(emphasised(b.surface, rgb(196, 240, 196), rgb(160, 222, 160)), 0);
    EXPECT_TRUE(explanation(b).empty());
    cbExplain_Click(*b.wb);
    EXPECT_EQ(b.wb->ladder().stage(), 1);
}

TEST(ExplainLadder, ReportsConflictsInsteadOfAStep) {
    test::DrawnBench b;
    std::string puzzle(81, '.');
    puzzle[0] = '5';
    puzzle[7] = '5';
    b.enterGivens(puzzle);
    cbExplain_Click(*b.wb);
    EXPECT_EQ(b.wb->ladder().finding().state, GridState::Conflict);
    EXPECT_NE(explanation(b).find("r1c1"), std::string::npos);
    EXPECT_NE(explanation(b).find("r1c8"), std::string::npos);
    EXPECT_EQ(emphasised(b.surface, rgb(255, 210, 140), rgb(250, 190, 110)), 2);
}

TEST(ExplainLadder, PressingAloneFinishesGeneratedPuzzles) {
    for (const BoxShape shape : {BoxShape{3, 3}, BoxShape{3, 4}, BoxShape{3, 6}}) {
        test::DrawnBench b(shape.rows, shape.cols);
        b.settings.difficultyValue = 100;
        cbGenerate_Click(*b.wb);
        const int cells = shape.cellCount();
        for (int press = 0; press < 3 * cells && !b.cells().isSolved(); ++press)
            cbExplain_Click(*b.wb);
        EXPECT_TRUE(b.cells().isSolved()) << shape.rows << "x" << shape.cols;
    }
}

}  // namespace
}  // namespace velmora
