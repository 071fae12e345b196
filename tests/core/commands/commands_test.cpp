// The window's commands as the model sees them: outcome texts, flags, the phase highlight and
// the undo history; the candidate boxes, the pencil-mark editor, size, elements and language.
#include "commands/commands.h"

#include <gtest/gtest.h>

#include <numeric>

#include "bench.h"
#include "commands/candidate_options.h"
#include "commands/language_choice.h"
#include "commands/pencil_mark_commands.h"
#include "commands/size_commands.h"
#include "solving/guess_solver.h"
#include "texts/language_tables.h"

namespace velmora::test {
namespace {

const std::string kMultiple = "Multiple Solutions - use brute force or complex eliminations";

TEST(SbDoneornot, OutcomeTextsInEnglishAndGerman) {
    Bench bench;
    bench.status.setPanelText(Panel::Status, "as before");
    const struct {
        int language, status;
        bool badNews;
        std::string text;
    } outcomes[] = {{0, 0, false, "as before"}, {0, 2, false, "as before"},  // good news only
                    {0, 1, false, "Solved!!"},  {0, 0, true, "Unsolvable.."},
                    {0, 2, true, kMultiple},    {1, 1, true, "Geloest - prima gemacht!"},
                    {2, 2, true, kMultiple}};
    for (const auto& o : outcomes) {
        bench.pc().wLanguage = o.language;
        bench.cells().SolvedStatus = static_cast<std::int16_t>(o.status);
        sbDoneornot(*bench.wb, o.badNews);
        EXPECT_EQ(bench.status.panel(Panel::Status), o.text);
        EXPECT_EQ(bench.status.panel(Panel::Result), o.language == 1 ? "Bereit ..." : "Ready ..");
    }
}

TEST(Solve, StopsWhereLogicStopsUnlessBruteForceIsOn) {
    const SamplePuzzle sample = loadSamples("guessing-3x3.txt").at(0);
    Bench bench;
    bench.enterGivens(sample.puzzle);
    cbSolve_Click(*bench.wb);
    EXPECT_EQ(bench.status.panel(Panel::Status), kMultiple);
    for (int b = 0; b < 81; ++b)  // logic's values are right; the open cells show candidates
        EXPECT_TRUE(bench.at(b).Sure
                        ? bench.gridText()[std::size_t(b)] == sample.solution[std::size_t(b)]
                        : bench.at(b).countPossibilities >= 2);
    EXPECT_EQ(bench.settings.highlighted, Phase::EnterInitial);
    bench.settings.brute = true;
    cbSolve_Click(*bench.wb);
    EXPECT_EQ(bench.status.panel(Panel::Status), "Solved!!");
    EXPECT_EQ(bench.status.panel(Panel::Progress), "Try another..");
    EXPECT_EQ(bench.gridText(), sample.solution);
}

// Row 1 holds 1 to 8 and column 9 a 9 further down: (0,8) has no candidate, and the rules stop
// before they reach it.
TEST(Solve, AnImpossiblePuzzleIsUnsolvableWithOrWithoutBruteForce) {
    const std::string puzzle =
        "12345678." + std::string(36, '.') + "........9" + std::string(27, '.');
    for (const bool brute : {false, true}) {
        Bench bench;
        bench.settings.brute = brute;
        bench.enterGivens(puzzle);
        cbSolve_Click(*bench.wb);
        EXPECT_EQ(bench.status.panel(Panel::Status), "Unsolvable..") << brute;
        EXPECT_EQ(bench.values(true), valuesOf(puzzle));
    }
}

TEST(Solve, TheCallLimitSaysTheSearchStoppedUndecided) {
    // Box 8 has no place left for the value 1, which no rule sees at once.
    const std::string trap = "........1" + std::string(45, '.') + "1......23...1..4.5......67.";
    for (const int language : {0, 1}) {
        Bench bench;
        bench.pc().wLanguage = language;
        bench.settings.brute = true;
        bench.enterGivens(trap);
        cbSolve_Click(*bench.wb);
        EXPECT_GE(bench.wb->sBlock().Tries, kGuessCallLimit);
        EXPECT_EQ(bench.status.panel(Panel::Status),
                  language == 0 ? "Search stopped at its limit - the puzzle is undecided"
                                : "Suche an ihrer Grenze abgebrochen - das Puzzle bleibt "
                                  "unentschieden");
        EXPECT_EQ(bench.status.panel(Panel::Result), "Fed up with this one- I give up");
        EXPECT_EQ(bench.values(true), valuesOf(trap));
        EXPECT_EQ(bench.wb->sBlock().scColl.size(), 2u) << "every copy the search made is gone";
    }
}

TEST(Solve, ManualPencilMarksAskFirstAndStayShownAndLocked) {
    const SamplePuzzle sample = loadSamples("logic-3x3.txt").at(0);
    Bench bench;
    bench.enterGivens(sample.puzzle);
    ckbmanualpencilmarks_Click(*bench.wb, true);
    bench.messages.answer = false;
    const auto events = bench.status.events.size();
    cbSolve_Click(*bench.wb);
    EXPECT_EQ(bench.messages.lastQuestion, "This will ignore your manual pencil marks - okay ?");
    EXPECT_EQ(bench.gridText(), sample.puzzle);
    EXPECT_EQ(bench.status.events.size(), events);
    bench.messages.answer = true;
    cbSolve_Click(*bench.wb);
    EXPECT_EQ(bench.gridText(), sample.solution);
    EXPECT_TRUE(bench.pc().manualPencilMarks && bench.pc().Scribbling);
    EXPECT_TRUE(bench.settings.pencilMarks && !bench.settings.showPencilMarksEnabled);
}

TEST(Generate, LeavesTheUserReadyToSolveWithTheirOwnOptions) {
    Bench bench(2, 3, 12);
    bench.settings.brute = true;
    bench.pc().manualPencilMarks = true;
    bench.at(0).scPush();
    cbGenerate_Click(*bench.wb);
    EXPECT_FALSE(bench.history().Initial || bench.pc().Generate);
    EXPECT_EQ(bench.history().undoCount(), 0);
    EXPECT_TRUE(bench.pc().guessingEnabled && bench.pc().manualPencilMarks);
    EXPECT_EQ(bench.settings.highlighted, Phase::EnterSolution);
    EXPECT_EQ(bench.status.history(Panel::Status).front(), "Generating a new puzzle....");
    EXPECT_EQ(bench.status.panel(Panel::Result).rfind("Found a genuine Sudoku!", 0), 0u);
    EXPECT_EQ(bench.status.panel(Panel::Progress), "Now its your turn..");
    EXPECT_EQ(bench.values(), bench.values(true));
}

TEST(Commands, ClearEntryModesResetAndHint) {
    const SamplePuzzle sample = loadSamples("singles-2x4.txt").at(0);
    Bench bench(2, 4);
    bench.enterGivens(sample.puzzle);
    bench.history().Loading = true;
    cbClear_Click(*bench.wb);
    EXPECT_EQ(bench.gridText(), sample.puzzle) << "no Clear while a file loads";
    bench.history().Loading = false;
    bench.status.setPanelText(Panel::Result, "kept");
    bench.at(0).scPush();
    cbenterSolution_Click(*bench.wb);
    EXPECT_FALSE(bench.history().Initial || bench.history().undoCount());
    EXPECT_EQ(bench.settings.highlighted, Phase::EnterSolution);
    EXPECT_EQ(bench.status.panel(Panel::Result), "kept");
    bench.at(static_cast<int>(sample.puzzle.find('.'))).putEntered(1);
    cbhint_Click(*bench.wb);
    bench.at(0).scPush();
    cbReset_Click(*bench.wb);
    EXPECT_EQ(bench.gridText(), sample.puzzle);
    EXPECT_EQ(bench.status.panel(Panel::Progress), "Now its your turn again...");
    EXPECT_FALSE(bench.history().Initial || bench.history().undoCount());
    cbEnterInitial_Click(*bench.wb);
    EXPECT_TRUE(bench.history().Initial && bench.settings.highlighted == Phase::EnterInitial);
    EXPECT_EQ(bench.status.panel(Panel::Status), "Enter, generate or load a new puzzle");
    cbClear_Click(*bench.wb);
    EXPECT_EQ(bench.gridText(), std::string(64, '.'));
    EXPECT_EQ(bench.status.panel(Panel::Status),
              "Puzzle cleared - enter, generate or load a new one");
    EXPECT_EQ(bench.status.panel(Panel::Progress), "Ready ..");
    cbhint_Click(*bench.wb);  // nothing to fill, nothing to undo
    cbUndo_Click(*bench.wb);
    EXPECT_EQ(bench.gridText(), std::string(64, '.'));
}

TEST(CandidateOptions, ManualMarksAreKeptOrClearedAndLockTheDisplay) {
    DrawnBench b;
    b.type("5");
    b.messages.answer = false;  // keep the computed marks
    ckbmanualpencilmarks_Click(*b.wb, true);
    EXPECT_EQ(b.messages.lastQuestion, "Shall I clear all computer generated pencil marks first ?");
    EXPECT_TRUE(b.settings.pencilMarks && !b.settings.showPencilMarksEnabled);
    b.moveTo(0, 2);
    b.type("7");  // typing no longer changes them
    EXPECT_EQ(b.surface.cell(0, 1).text, "1 2 3 4 6 7 8 9");
    ckbmanualpencilmarks_Click(*b.wb, false);
    EXPECT_TRUE(b.settings.showPencilMarksEnabled && b.settings.pencilMarks);
    b.messages.answer = true;
    ckbmanualpencilmarks_Click(*b.wb, true);
    EXPECT_EQ(b.surface.cell(0, 1).text, "");
    Bench bench;  // simple elimination off: the complex rules narrow the marks, and back
    bench.enterGivens(loadSamples("logic-3x3.txt").at(0).puzzle);
    const auto marks = [&bench] {  // a value's cell has none
        return std::accumulate(bench.cells().cells().begin(), bench.cells().cells().end(), 0,
                               [](int n, const scell& c) { return n + c.countPossibilities; });
    };
    const int simple = marks();
    ckbExperimental_Click(*bench.wb, false);
    EXPECT_LT(marks(), simple);
    ckbExperimental_Click(*bench.wb, true);
    EXPECT_EQ(marks(), simple);
}

TEST(PencilMarkEditor, OpensAsAskedAndTakesOnlyElements) {
    DrawnBench b(4, 4);  // elements 1..9, 0, A..F
    EXPECT_FALSE(EntryGrid_DblClick(*b.wb, 2, 3));
    EXPECT_EQ(b.messages.lastInformation,
              "If you are sure you want to manually control pencil marks- please tick that box");
    ckbmanualpencilmarks_Click(*b.wb, true);
    b.moveTo(2, 3);
    b.type("B");
    b.messages.answer = false;
    EXPECT_FALSE(EntryGrid_DblClick(*b.wb, 2, 3));
    EXPECT_EQ(b.messages.lastQuestion, "If you edit pencilmarks you will delete this entry - ok?");
    EXPECT_TRUE(b.cell(2, 3).Sure);
    b.messages.answer = true;
    const auto look = EntryGrid_DblClick(*b.wb, 2, 3);
    ASSERT_TRUE(look);
    EXPECT_EQ(*look,
              (PencilMarkEditorLook{"B", rgb(200, 240, 240), rgb(128, 128, 168), "tahoma", 6.5}));
    EXPECT_FALSE(b.cell(2, 3).Sure);
    EXPECT_TRUE(applyPencilMarkText(*b.wb, 2, 3, " a f 0 a 1"));
    EXPECT_EQ(b.surface.cell(2, 3).text, "1 0 A F");
    EXPECT_EQ(EntryGrid_DblClick(*b.wb, 2, 3)->text, "10AF");
    b.pc().wLanguage = 1;  // the complaint stays English; a character outside ASCII as typed
    for (const auto& [typed, named] : {std::pair{"25x9", "X"}, {"2\u20ac", "\u20ac"}}) {
        EXPECT_FALSE(applyPencilMarkText(*b.wb, 2, 3, typed));
        EXPECT_EQ(b.messages.lastInformation,
                  std::string(named) + ":is not a valid character for this puzzle");
    }
    EXPECT_EQ(b.surface.cell(2, 3).text, "1 0 A F");
    EXPECT_TRUE(applyPencilMarkText(*b.wb, 2, 3, "   "));
    EXPECT_EQ(b.cell(2, 3).countPossibilities, 0);
    b.history().unDo();
    b.history().unDo();
    EXPECT_TRUE(b.cell(2, 3).Sure) << "one Undo a double click: the value is back";
}

TEST(SizeAndElements, ASizeStartsEmptyWithItsElementsWhichTheBoxMayReplace) {
    Bench bench;
    tbSelements_Validate(*bench.wb, "12345678");
    EXPECT_EQ(bench.messages.lastInformation, "9  characters needed for this puzzle");
    EXPECT_EQ(bench.settings.elementsText, "123456789");
    tbSelements_Validate(*bench.wb, "abcdefghi");
    cbClear_Click(*bench.wb);
    EXPECT_EQ(bench.pc().sElements, "ABCDEFGHI");
    bench.settings.sizeOption = 9;
    optSize_Click(*bench.wb, 9);
    EXPECT_EQ(bench.n(), 18);
    EXPECT_EQ(bench.pc().sElements, "1234567890ABCDEFGH");
    EXPECT_EQ(bench.settings.elementsText, "1234567890ABCDEFGH");
    EXPECT_EQ(bench.gridText(), std::string(324, '.'));
    EXPECT_EQ(bench.pc().cFontSize, 12.5);
    bench.history().Loading = true;  // while a file loads only the option is noted
    optSize_Click(*bench.wb, 3);
    EXPECT_EQ(bench.pc().sgValue * 100 + bench.n(), 318);
}

TEST(Language, EveryLanguageAfterEveryOtherShowsItsOwnTextsAndEnglishElsewhere) {
    for (const int before : {0, 1, 2}) {
        for (const int language : {0, 1, 2, -1, 3}) {
            Bench bench;
            cmbLanguage_Click(*bench.wb, before);
            cmbLanguage_Click(*bench.wb, language);
            const auto& tips = bench.controls.toolTips;
            for (std::size_t i = 0; i < languageTable(0).size(); ++i) {
                const ControlTexts &local = languageTable(language)[i],
                                   &english = languageTable(0)[i];
                const std::string name(english.control);
                EXPECT_EQ(bench.controls.captions.at(name), local.caption) << name;
                EXPECT_EQ(tips.contains(name) ? tips.at(name) : "none",
                          local.toolTip.value_or(english.toolTip.value_or("none")))
                    << name;
            }
            cbClear_Click(*bench.wb);  // status texts: German, or English for every other
            EXPECT_EQ(bench.status.panel(Panel::Progress),
                      language == 1 ? "Bereit ..." : "Ready ..");
        }
    }
}

}  // namespace
}  // namespace velmora::test
