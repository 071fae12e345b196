// The window commands as the model sees them: flags, outcome texts, highlight, undo and redraws.
#include "solving/commands.h"

#include <gtest/gtest.h>

#include <algorithm>

#include "history/form_control.h"
#include "solving/command_bench.h"
#include "solving/guess_solver.h"
#include "solving/solution_count.h"
#include "support/puzzle_fixture.h"

namespace velmora {
namespace {

const char* const kMultiple = "Multiple Solutions - use brute force or complex eliminations";

// No solution, and the rules alone cannot tell: one given of a guessing puzzle was changed.
const std::string kUnsolvable =
    ".31..86.....36.....2.....1...9.75..875..........1....4....9.8.398.7......63.8....";

// Box 0 has no place left for the value 1; the search runs out of calls long before it sees it.
const std::string kNoPlaceForOne =
    "....1...."
    ".......1."
    "..5......"
    "........."
    "1........"
    "........."
    "........."
    ".1......."
    ".........";

bool contains(const std::vector<std::string>& texts, const std::string& text) {
    return std::find(texts.begin(), texts.end(), text) != texts.end();
}

TEST(SbDoneornot, SolvedUnsolvableAndMultiple) {
    test::CommandBench bench;
    bench.cells().SolvedStatus = 1;
    sbDoneornot(*bench.wb, false);
    EXPECT_EQ(bench.status.panel(1), "Solved!!");
    EXPECT_EQ(bench.status.panel(2), "Ready ..");

    bench.cells().SolvedStatus = 0;
    sbDoneornot(*bench.wb, true);
    EXPECT_EQ(bench.status.panel(1), "Unsolvable..");

    bench.cells().SolvedStatus = 2;
    sbDoneornot(*bench.wb, true);
    EXPECT_EQ(bench.status.panel(1), kMultiple);
}

TEST(SbDoneornot, WithoutBadNewsOnlyASolvedGridIsReported) {
    test::CommandBench bench;
    bench.status.setPanelText(1, "as before");
    bench.status.setPanelText(2, "result");
    for (const int status : {0, 2}) {
        bench.cells().SolvedStatus = static_cast<std::int16_t>(status);
        sbDoneornot(*bench.wb, false);
        EXPECT_EQ(bench.status.panel(1), "as before");
        EXPECT_EQ(bench.status.panel(2), "Ready ..");
    }
}

TEST(SbDoneornot, InGerman) {
    test::CommandBench bench;
    bench.pc().wLanguage = 1;
    bench.cells().SolvedStatus = 1;
    sbDoneornot(*bench.wb, true);
    EXPECT_EQ(bench.status.panel(1), "Geloest - prima gemacht!");
    EXPECT_EQ(bench.status.panel(2), "Bereit ...");
    bench.cells().SolvedStatus = 2;
    sbDoneornot(*bench.wb, true);
    EXPECT_EQ(bench.status.panel(1),
              "Uneindeutiges Sudoku - klicken Sie auf Brute Force, um es zu loesen!");
    bench.pc().wLanguage = 2;  // French has no status texts of its own
    clearSb2(*bench.wb);
    EXPECT_EQ(bench.status.panel(2), "Ready ..");
}

TEST(Solve, PuzzleTheRulesFinish) {
    const test::SamplePuzzle sample = test::loadSamples("logic-3x3.txt").at(0);
    test::CommandBench bench;
    bench.enterGivens(sample.puzzle);
    bench.cells().getcellBigindex(1).scPush();  // something to undo
    const int redraws = bench.grid.redraws;

    cbSolve_Click(*bench.wb);

    EXPECT_EQ(bench.text(), sample.solution);
    EXPECT_EQ(bench.status.panel(1), "Solved!!");
    EXPECT_EQ(bench.status.panel(2), "Ready ..");
    EXPECT_EQ(bench.status.panel(3), "Try another..");
    EXPECT_TRUE(contains(bench.status.history(1), "Solving...."));
    EXPECT_TRUE(contains(bench.status.history(3), "Thinking...."));
    EXPECT_EQ(bench.settings.highlighted, Phase::EnterInitial);
    EXPECT_FALSE(bench.pc().solving);
    EXPECT_EQ(bench.wb->fControl().undoCount(), 0);
    EXPECT_GT(bench.grid.redraws, redraws);
}

TEST(Solve, PuzzleThatNeedsGuessingWithAndWithoutBruteForce) {
    const test::SamplePuzzle sample = test::loadSamples("guessing-3x3.txt").at(0);
    test::CommandBench bench;
    bench.enterGivens(sample.puzzle);
    cbSolve_Click(*bench.wb);
    EXPECT_EQ(bench.status.panel(1), kMultiple);
    EXPECT_FALSE(bench.pc().guessingEnabled);
    // The givens stay, logic added what it could, and the open cells show their candidates.
    const std::string shown = bench.text();
    for (std::size_t b = 0; b < shown.size(); ++b) {
        if (sample.puzzle[b] != '.') {
            EXPECT_EQ(shown[b], sample.puzzle[b]);
        }
        if (shown[b] != '.') {
            EXPECT_EQ(shown[b], sample.solution[b]);
        } else {
            EXPECT_GE(bench.cells().getcellBigindex(static_cast<int>(b)).countPossibilities, 2);
        }
    }

    bench.settings.brute = true;
    cbSolve_Click(*bench.wb);
    EXPECT_EQ(bench.status.panel(1), "Solved!!");
    EXPECT_EQ(bench.text(), sample.solution);
    EXPECT_TRUE(bench.pc().guessingEnabled);
}

TEST(Solve, BruteForceOnAPuzzleWithoutSolutionSaysUnsolvable) {
    test::CommandBench bench(3, 3, 2);
    bench.enterGivens(kUnsolvable);
    cbSolve_Click(*bench.wb);
    EXPECT_EQ(bench.status.panel(1), kMultiple) << "logic alone cannot tell";

    bench.enterGivens(kUnsolvable);
    bench.settings.brute = true;
    cbSolve_Click(*bench.wb);
    ASSERT_LT(bench.wb->sBlock().Tries, kGuessCallLimit);
    EXPECT_EQ(bench.cells().SolvedStatus, 0);
    EXPECT_EQ(bench.status.panel(1), "Unsolvable..");
    EXPECT_EQ(bench.status.panel(2), "Ready ..");
}

TEST(Solve, CallLimitIsStillShownAfterTheSolve) {
    test::CommandBench bench(3, 3, 2);
    bench.enterGivens(kNoPlaceForOne);
    bench.settings.brute = true;
    cbSolve_Click(*bench.wb);
    EXPECT_GE(bench.wb->sBlock().Tries, kGuessCallLimit);
    // The first state keeps the code logic left it with.
    EXPECT_EQ(bench.cells().SolvedStatus, 2);
    EXPECT_EQ(bench.status.panel(1), kMultiple);
    EXPECT_EQ(bench.status.panel(2), "Fed up with this one- I give up");
    EXPECT_EQ(bench.status.panel(3), "Try another..");
    const std::string shown = bench.text();
    for (std::size_t b = 0; b < shown.size(); ++b) {
        if (kNoPlaceForOne[b] != '.') {
            EXPECT_EQ(shown[b], kNoPlaceForOne[b]);
        }
    }
}

TEST(Solve, ManualPencilMarksAnsweredNoChangesNothing) {
    const test::SamplePuzzle sample = test::loadSamples("logic-3x3.txt").at(0);
    test::CommandBench bench;
    bench.enterGivens(sample.puzzle);
    bench.pc().manualPencilMarks = true;
    bench.messages.answer = false;
    const auto events = bench.status.events.size();
    const int redraws = bench.grid.redraws;

    cbSolve_Click(*bench.wb);

    EXPECT_EQ(bench.messages.lastQuestion, "This will ignore your manual pencil marks - okay ?");
    EXPECT_EQ(bench.text(), sample.puzzle);
    EXPECT_TRUE(bench.pc().manualPencilMarks);
    EXPECT_FALSE(bench.pc().solving);
    EXPECT_EQ(bench.status.events.size(), events);
    EXPECT_EQ(bench.grid.redraws, redraws);
}

TEST(Solve, ManualPencilMarksAnsweredYesSolvesAndKeepsThemOn) {
    const test::SamplePuzzle sample = test::loadSamples("logic-3x3.txt").at(0);
    test::CommandBench bench;
    bench.enterGivens(sample.puzzle);
    bench.pc().manualPencilMarks = true;
    bench.settings.showPencilMarksEnabled = false;
    cbSolve_Click(*bench.wb);
    EXPECT_EQ(bench.text(), sample.solution);
    EXPECT_TRUE(bench.pc().manualPencilMarks);
    EXPECT_TRUE(bench.settings.showPencilMarksEnabled);
}

TEST(Generate, LeavesTheUserReadyToSolve) {
    test::CommandBench bench(3, 3, 12);
    bench.settings.difficultyValue = 60;
    bench.cells().getcellBigindex(0).putOriginal(3);
    bench.cells().getcellBigindex(0).scPush();

    cbGenerate_Click(*bench.wb);

    EXPECT_EQ(bench.settings.highlighted, Phase::EnterSolution);
    EXPECT_FALSE(bench.wb->fControl().Initial);
    EXPECT_EQ(bench.wb->fControl().undoCount(), 0);
    EXPECT_FALSE(bench.pc().Generate);
    EXPECT_EQ(bench.pc().difficultyPercent, 60);
    EXPECT_EQ(bench.status.panel(1), "Try to solve this puzzle manually or click Solve");
    EXPECT_TRUE(test::isTextAndNumber(bench.status.panel(2), "Found a genuine Sudoku!"));
    EXPECT_EQ(bench.status.panel(3), "Now its your turn..");
    EXPECT_TRUE(contains(bench.status.history(1), "Generating a new puzzle...."));
    EXPECT_EQ(bench.cells().SolvedStatus, 0);
    // The open cells show their candidates.
    for (int b = 0; b < 81; ++b) {
        const scell& cell = bench.cells().getcellBigindex(b);
        if (!cell.Sure) {
            EXPECT_GE(cell.countPossibilities, 1) << b;
        }
    }
}

TEST(Generate, KeepsBruteForceAndManualPencilMarks) {
    test::CommandBench bench(2, 3, 12);
    bench.settings.brute = true;
    bench.pc().manualPencilMarks = true;
    cbGenerate_Click(*bench.wb);
    EXPECT_TRUE(bench.pc().guessingEnabled);
    EXPECT_TRUE(bench.pc().manualPencilMarks);
    EXPECT_EQ(test::countSolutions(bench.values(), 2, 3), 1);
}

TEST(Generate, TwiceGivesTwoDifferentPuzzles) {
    test::CommandBench bench(3, 3, 13);
    cbGenerate_Click(*bench.wb);
    const std::string first = bench.text();
    cbGenerate_Click(*bench.wb);
    EXPECT_NE(bench.text(), first);
}

TEST(Clear, EmptiesTheGridAndStartsEntryOfGivens) {
    test::CommandBench bench(2, 4, 1);
    cbGenerate_Click(*bench.wb);
    cbClear_Click(*bench.wb);
    EXPECT_EQ(bench.n(), 8);
    for (const int v : bench.values())
        EXPECT_EQ(v, 0);
    EXPECT_TRUE(bench.wb->fControl().Initial);
    EXPECT_EQ(bench.settings.highlighted, Phase::EnterInitial);
    EXPECT_EQ(bench.status.panel(1), "Puzzle cleared - enter, generate or load a new one");
    EXPECT_EQ(bench.status.panel(2), "Ready ..");
    EXPECT_EQ(bench.status.panel(3), "Ready ..");
}

TEST(Clear, DoesNothingWhileLoading) {
    test::CommandBench bench;
    bench.enterGivens(test::loadSamples("logic-3x3.txt").at(0).puzzle);
    const std::string before = bench.text();
    bench.wb->fControl().Loading = true;
    const auto events = bench.status.events.size();
    cbClear_Click(*bench.wb);
    EXPECT_EQ(bench.text(), before);
    EXPECT_EQ(bench.status.events.size(), events);
}

TEST(EntryModes, EnterGivenNumbersAndEnterSolution) {
    test::CommandBench bench;
    bench.cells().getcellBigindex(0).scPush();
    bench.status.setPanelText(2, "kept?");
    cbenterSolution_Click(*bench.wb);
    EXPECT_FALSE(bench.wb->fControl().Initial);
    EXPECT_EQ(bench.wb->fControl().undoCount(), 0);
    EXPECT_EQ(bench.settings.highlighted, Phase::EnterSolution);
    EXPECT_EQ(bench.status.panel(1), "Try to solve this puzzle manually or click Solve");
    EXPECT_EQ(bench.status.panel(2), "kept?");

    bench.cells().getcellBigindex(0).scPush();
    cbEnterInitial_Click(*bench.wb);
    EXPECT_TRUE(bench.wb->fControl().Initial);
    EXPECT_EQ(bench.wb->fControl().undoCount(), 0);
    EXPECT_EQ(bench.settings.highlighted, Phase::EnterInitial);
    EXPECT_EQ(bench.status.panel(1), "Enter, generate or load a new puzzle");
    EXPECT_EQ(bench.status.panel(2), "Ready ..");
}

TEST(Reset, BackToTheGivens) {
    const test::SamplePuzzle sample = test::loadSamples("logic-3x3.txt").at(0);
    test::CommandBench bench;
    bench.enterGivens(sample.puzzle);
    // A user value and a hinted value.
    const int open = static_cast<int>(sample.puzzle.find('.'));
    bench.cells().getcellBigindex(open).putEntered(sample.solution[static_cast<std::size_t>(open)] -
                                                   '0');
    cbhint_Click(*bench.wb);
    bench.cells().getcellBigindex(open).scPush();
    const int redraws = bench.grid.redraws;

    cbReset_Click(*bench.wb);

    EXPECT_EQ(bench.text(), sample.puzzle);
    EXPECT_EQ(bench.status.panel(3), "Now its your turn again...");
    EXPECT_FALSE(bench.wb->fControl().Initial);
    EXPECT_EQ(bench.wb->fControl().undoCount(), 0);
    EXPECT_EQ(bench.settings.highlighted, Phase::EnterSolution);
    EXPECT_GT(bench.grid.redraws, redraws);
}

}  // namespace
}  // namespace velmora
