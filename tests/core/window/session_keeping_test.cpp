// The puzzle kept between runs, and the entry mode a puzzle arrives in.
#include <gtest/gtest.h>

#include "bench.h"
#include "commands/commands.h"
#include "commands/session_keeping.h"

namespace velmora::test {
namespace {

TEST(SessionKeepingTest, EverythingOfThePuzzleComesBackInSolutionMode) {
    TempFolder folder;
    const auto file = folder.path / "data" / std::string(kSessionFileName);
    DrawnBench first(2, 3);
    first.enterGivens("1....." + std::string(30, '.'));
    first.history().Initial = false;
    first.moveTo(1, 0);
    first.type("3");
    first.pc().manualPencilMarks = true;
    first.cell(5, 5).bPoss = candidateBit(1) | candidateBit(4);
    first.pc().wLanguage = 2;
    first.pc().Scribbling = true;
    ASSERT_TRUE(keepSession(*first.wb, file));

    Bench next;  // a 9x9 at start, as the window
    ASSERT_TRUE(restoreSession(*next.wb, file));
    EXPECT_EQ(next.n(), 6);
    EXPECT_EQ(next.values(true), first.values(true));
    EXPECT_EQ(next.values(), first.values());
    EXPECT_EQ(next.cell(5, 5).bPoss, first.cell(5, 5).bPoss);
    EXPECT_TRUE(next.pc().manualPencilMarks);
    EXPECT_EQ(next.pc().wLanguage, 2);
    EXPECT_EQ(next.settings.loaded.language, 2);
    EXPECT_FALSE(next.history().Initial) << "a puzzle with givens is there to be solved";
    EXPECT_EQ(next.settings.highlighted, Phase::EnterSolution);
    EXPECT_EQ(next.history().undoCount(), 0);
}

TEST(SessionKeepingTest, MissingOrDamagedFilesChangeNothingAndSayNothing) {
    TempFolder folder;
    Bench b;
    b.enterGivens(loadSamples("logic-3x3.txt").at(0).puzzle);
    const std::string before = b.gridText();
    EXPECT_FALSE(restoreSession(*b.wb, folder.path / "none.svl"));
    for (const std::string& bytes :
         {std::string("garbage\r\n"), std::string("!,Sudoku\r\n-,nCols,3\r\n-,nscells,81\r\n"),
          std::string(2 * 1024 * 1024, 'x')}) {
        writeBytes(folder.path / "bad.svl", bytes);
        EXPECT_FALSE(restoreSession(*b.wb, folder.path / "bad.svl"));
    }
    EXPECT_EQ(b.gridText(), before);
    EXPECT_TRUE(b.messages.shown.empty());
    EXPECT_TRUE(b.history().Initial);
}

// Paste and Generate are checked with their commands.
TEST(EntryModeTest, LoadLeavesTheWindowReadyToSolveAndClearReadyToEnterGivens) {
    Bench b;
    b.enterGivens(loadSamples("logic-3x3.txt").at(0).puzzle);
    b.save("p.svl");
    cbClear_Click(*b.wb);
    EXPECT_TRUE(b.history().Initial);
    EXPECT_EQ(b.settings.highlighted, Phase::EnterInitial);
    b.load("p.svl");
    EXPECT_FALSE(b.history().Initial);
}

TEST(EntryModeTest, ACancelledGeneratePutsThePuzzleBack) {
    Bench b;
    b.enterGivens(loadSamples("logic-3x3.txt").at(0).puzzle);
    b.cell(0, 2).putEntered(4);
    const std::vector<int> values = b.values();
    const std::vector<int> givens = b.values(true);
    int asked = 0;
    b.wb->stopRequested = [&asked] { return ++asked > 3; };
    cbGenerate_Click(*b.wb);
    EXPECT_GT(asked, 3);
    EXPECT_EQ(b.values(), values);
    EXPECT_EQ(b.values(true), givens);
    EXPECT_NE(b.status.panel(Panel::Status).find("cancelled"), std::string::npos);
}

}  // namespace
}  // namespace velmora::test
