// The window commands as the model sees them: flags, outcome texts, highlight, undo and redraws.
#include "solving/commands.h"

#include <gtest/gtest.h>

#include <algorithm>

#include "history/form_control.h"
#include "solving/guess_solver.h"
#include "support/puzzle_fixture.h"
#include "support/solution_count.h"

namespace velmora {
namespace {

const char* const kMultiple = "Multiple Solutions - use brute force or complex eliminations";

bool contains(const std::vector<std::string>& texts, const std::string& text) {
    return std::find(texts.begin(), texts.end(), text) != texts.end();
}

TEST(SbDoneornot, OutcomeTextsInEnglishAndGerman) {
    test::Bench bench;
    bench.status.setPanelText(1, "as before");
    // Without bad news only a solved grid is reported; panel 2 always gets Ready.
    for (const int status : {0, 2}) {
        bench.cells().SolvedStatus = static_cast<std::int16_t>(status);
        sbDoneornot(*bench.wb, false);
        EXPECT_EQ(bench.status.panel(1), "as before");
        EXPECT_EQ(bench.status.panel(2), "Ready ..");
    }
    const struct {
        int language;
        int status;
        const char* text;
    } outcomes[] = {
        {0, 1, "Solved!!"},
        {0, 0, "Unsolvable.."},
        {0, 2, kMultiple},
        {1, 1, "Geloest - prima gemacht!"},
        {1, 2, "Uneindeutiges Sudoku - klicken Sie auf Brute Force, um es zu loesen!"},
    };
    for (const auto& o : outcomes) {
        bench.pc().wLanguage = o.language;
        bench.cells().SolvedStatus = static_cast<std::int16_t>(o.status);
        sbDoneornot(*bench.wb, true);
        EXPECT_EQ(bench.status.panel(1), o.text);
    }
    EXPECT_EQ(bench.status.panel(2), "Bereit ...");
    bench.pc().wLanguage = 2;  // French has no status texts of its own
    clearSb2(*bench.wb);
    EXPECT_EQ(bench.status.panel(2), "Ready ..");
}

TEST(Solve, PuzzleThatNeedsGuessingWithAndWithoutBruteForce) {
    const test::SamplePuzzle sample = test::loadSamples("guessing-3x3.txt").at(0);
    test::Bench bench;
    bench.enterGivens(sample.puzzle);
    cbSolve_Click(*bench.wb);
    EXPECT_EQ(bench.status.panel(1), kMultiple);
    EXPECT_FALSE(bench.pc().guessingEnabled);
    // The givens stay, logic added what it could, and the open cells show their candidates.
    const std::string shown = bench.gridText();
    for (std::size_t b = 0; b < shown.size(); ++b) {
        EXPECT_TRUE(sample.puzzle[b] == '.' || shown[b] == sample.puzzle[b]) << b;
        EXPECT_TRUE(shown[b] == '.'
                        ? bench.cells().getcellBigindex(static_cast<int>(b)).countPossibilities >= 2
                        : shown[b] == sample.solution[b])
            << b;
    }

    bench.settings.brute = true;
    cbSolve_Click(*bench.wb);
    EXPECT_EQ(bench.status.panel(1), "Solved!!");
    EXPECT_EQ(bench.gridText(), sample.solution);
    EXPECT_TRUE(bench.pc().guessingEnabled);
}

TEST(Solve, BruteForceOnAPuzzleWithoutSolutionSaysUnsolvable) {
    // One given of a guessing puzzle changed: no solution, and the rules alone cannot tell.
    const std::string unsolvable =
        ".31..86.....36.....2.....1...9.75..875..........1....4....9.8.398.7......63.8....";
    test::Bench bench(3, 3, 2);
    bench.enterGivens(unsolvable);
    cbSolve_Click(*bench.wb);
    EXPECT_EQ(bench.status.panel(1), kMultiple) << "logic alone cannot tell";

    bench.enterGivens(unsolvable);
    bench.settings.brute = true;
    cbSolve_Click(*bench.wb);
    ASSERT_LT(bench.wb->sBlock().Tries, kGuessCallLimit);
    EXPECT_EQ(bench.cells().SolvedStatus, 0);
    EXPECT_EQ(bench.status.panel(1), "Unsolvable..");
    EXPECT_EQ(bench.status.panel(2), "Ready ..");
}

TEST(Solve, CallLimitIsStillShownAfterTheSolve) {
    // Box 0 has no place left for the value 1; the search runs out of calls long before it sees it.
    const std::string noPlaceForOne =
        "....1...........1...5...............1...........................1................";
    test::Bench bench(3, 3, 2);
    bench.enterGivens(noPlaceForOne);
    bench.settings.brute = true;
    cbSolve_Click(*bench.wb);
    EXPECT_GE(bench.wb->sBlock().Tries, kGuessCallLimit);
    // The first state keeps the code logic left it with.
    EXPECT_EQ(bench.cells().SolvedStatus, 2);
    EXPECT_EQ(bench.status.panel(1), kMultiple);
    EXPECT_EQ(bench.status.panel(2), "Fed up with this one- I give up");
    EXPECT_EQ(bench.status.panel(3), "Try another..");
    const std::string shown = bench.gridText();
    for (std::size_t b = 0; b < shown.size(); ++b)
        EXPECT_TRUE(noPlaceForOne[b] == '.' || shown[b] == noPlaceForOne[b]) << b;
}

TEST(Solve, ManualPencilMarksAskFirst) {
    const test::SamplePuzzle sample = test::loadSamples("logic-3x3.txt").at(0);
    test::Bench bench;
    bench.enterGivens(sample.puzzle);
    bench.pc().manualPencilMarks = true;
    bench.settings.showPencilMarksEnabled = false;
    bench.messages.answer = false;
    const auto events = bench.status.events.size();
    const int redraws = bench.grid.redraws;

    cbSolve_Click(*bench.wb);  // answered No: nothing changes
    EXPECT_EQ(bench.messages.lastQuestion, "This will ignore your manual pencil marks - okay ?");
    EXPECT_EQ(bench.gridText(), sample.puzzle);
    EXPECT_TRUE(bench.pc().manualPencilMarks);
    EXPECT_FALSE(bench.pc().solving);
    EXPECT_EQ(bench.status.events.size(), events);
    EXPECT_EQ(bench.grid.redraws, redraws);

    bench.messages.answer = true;
    cbSolve_Click(*bench.wb);  // Yes: solved, and the marks stay manual
    EXPECT_EQ(bench.gridText(), sample.solution);
    EXPECT_TRUE(bench.pc().manualPencilMarks);
    EXPECT_TRUE(bench.settings.showPencilMarksEnabled);
}

TEST(Generate, LeavesTheUserReadyToSolve) {
    test::Bench bench(3, 3, 12);
    bench.cells().getcellBigindex(0).scPush();

    cbGenerate_Click(*bench.wb);

    EXPECT_FALSE(bench.history().Initial);
    EXPECT_EQ(bench.history().undoCount(), 0);
    EXPECT_FALSE(bench.pc().Generate);
    EXPECT_EQ(bench.status.panel(1), "Try to solve this puzzle manually or click Solve");
    EXPECT_TRUE(test::isTextAndNumber(bench.status.panel(2), "Found a genuine Sudoku!"));
    EXPECT_EQ(bench.status.panel(3), "Now its your turn..");
    EXPECT_TRUE(contains(bench.status.history(1), "Generating a new puzzle...."));
    EXPECT_EQ(bench.cells().SolvedStatus, 0);
    // The open cells show their candidates.
    for (int b = 0; b < 81; ++b) {
        const scell& cell = bench.cells().getcellBigindex(b);
        EXPECT_TRUE(cell.Sure || cell.countPossibilities >= 1) << b;
    }
    // A second puzzle is another one.
    const std::string first = bench.gridText();
    cbGenerate_Click(*bench.wb);
    EXPECT_NE(bench.gridText(), first);
}

TEST(Generate, KeepsBruteForceAndManualPencilMarks) {
    test::Bench bench(2, 3, 12);
    bench.settings.brute = true;
    bench.pc().manualPencilMarks = true;
    cbGenerate_Click(*bench.wb);
    EXPECT_TRUE(bench.pc().guessingEnabled);
    EXPECT_TRUE(bench.pc().manualPencilMarks);
    EXPECT_EQ(test::countSolutions(bench.values(), 2, 3), 1);
}

TEST(Clear, EmptiesTheGridKeepingItsSizeButNotWhileLoading) {
    test::Bench bench(2, 4, 1);
    cbGenerate_Click(*bench.wb);
    const std::string generated = bench.gridText();
    bench.history().Loading = true;
    cbClear_Click(*bench.wb);
    EXPECT_EQ(bench.gridText(), generated);
    bench.history().Loading = false;

    cbClear_Click(*bench.wb);
    EXPECT_EQ(bench.gridText(), std::string(64, '.'));
    EXPECT_TRUE(bench.history().Initial);
    EXPECT_EQ(bench.settings.highlighted, Phase::EnterInitial);
    EXPECT_EQ(bench.status.panel(3), "Ready ..");
}

TEST(EntryModes, EnterGivenNumbersAndEnterSolution) {
    test::Bench bench;
    bench.cells().getcellBigindex(0).scPush();
    bench.status.setPanelText(2, "kept?");
    cbenterSolution_Click(*bench.wb);
    EXPECT_FALSE(bench.history().Initial);
    EXPECT_EQ(bench.history().undoCount(), 0);
    EXPECT_EQ(bench.settings.highlighted, Phase::EnterSolution);
    EXPECT_EQ(bench.status.panel(1), "Try to solve this puzzle manually or click Solve");
    EXPECT_EQ(bench.status.panel(2), "kept?");

    bench.cells().getcellBigindex(0).scPush();
    cbEnterInitial_Click(*bench.wb);
    EXPECT_TRUE(bench.history().Initial);
    EXPECT_EQ(bench.history().undoCount(), 0);
    EXPECT_EQ(bench.settings.highlighted, Phase::EnterInitial);
    EXPECT_EQ(bench.status.panel(1), "Enter, generate or load a new puzzle");
    EXPECT_EQ(bench.status.panel(2), "Ready ..");
}

TEST(Reset, BackToTheGivens) {
    const test::SamplePuzzle sample = test::loadSamples("logic-3x3.txt").at(0);
    test::Bench bench;
    bench.enterGivens(sample.puzzle);
    // A user value and a hinted value.
    const auto open = sample.puzzle.find('.');
    bench.cells().getcellBigindex(static_cast<int>(open)).putEntered(sample.solution[open] - '0');
    cbhint_Click(*bench.wb);
    bench.cells().getcellBigindex(static_cast<int>(open)).scPush();
    const int redraws = bench.grid.redraws;

    cbReset_Click(*bench.wb);

    EXPECT_EQ(bench.gridText(), sample.puzzle);
    EXPECT_EQ(bench.status.panel(3), "Now its your turn again...");
    EXPECT_FALSE(bench.history().Initial);
    EXPECT_EQ(bench.history().undoCount(), 0);
    EXPECT_EQ(bench.settings.highlighted, Phase::EnterSolution);
    EXPECT_GT(bench.grid.redraws, redraws);
}

}  // namespace
}  // namespace velmora
