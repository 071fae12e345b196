// Puzzles taken in from text and given out as text: Paste, a dropped file, Copy.
#include "commands/exchange_commands.h"

#include <gtest/gtest.h>

#include "bench.h"
#include "commands/commands.h"
#include "formats/puzzle_reader.h"
#include "formats/puzzle_writer.h"

namespace velmora {
namespace {

TEST(Paste, AnotherSizeSwitchesTheGridAndAskingSettlesTwelve) {
    const test::SamplePuzzle sample = test::loadSamples("singles-2x6.txt").at(0);
    test::Bench b;              // 9x9
    b.messages.answer = false;  // "3x4 boxes?" No: 2x6
    ASSERT_TRUE(openPuzzleText(*b.wb, sample.puzzle));
    EXPECT_NE(b.messages.lastQuestion.find("12x12"), std::string::npos);
    EXPECT_EQ(b.pc().nRows, 2);
    EXPECT_EQ(b.pc().nCols, 6);
    EXPECT_EQ(b.settings.sizeOption, 8);
    EXPECT_EQ(b.gridText(), sample.puzzle);
    EXPECT_FALSE(b.history().Initial) << "a puzzle taken in is there to be solved";
}

TEST(Paste, OnTheSameSizeIsOneUndoableChangeAndKeepsListedMarks) {
    test::Bench b;
    b.enterGivens(test::loadSamples("singles-3x3.txt").at(0).puzzle);
    const std::string before = b.gridText();
    ExchangePuzzle other = readPuzzles(test::loadSamples("logic-3x3.txt").at(0).puzzle).puzzles[0];
    other.candidates = std::vector<std::uint32_t>(81, 0b110);  // 2 and 3 everywhere open
    installExchangePuzzle(*b.wb, other);
    EXPECT_TRUE(b.pc().manualPencilMarks) << "listed candidates are the user's marks";
    for (int cell = 0; cell < 81; ++cell) {
        if (other.givens[static_cast<std::size_t>(cell)] != 0) continue;
        EXPECT_EQ(b.cells().getcellBigindex(cell).bPoss, 0b110u) << cell;
    }
    cbUndo_Click(*b.wb);
    EXPECT_EQ(b.gridText(), before);
    EXPECT_EQ(b.history().undoCount(), 0);
}

TEST(Paste, TextThatIsNoPuzzleChangesNothingAndSaysWhy) {
    test::Bench b;
    b.enterGivens(test::loadSamples("singles-3x3.txt").at(0).puzzle);
    const std::string before = b.gridText();
    EXPECT_FALSE(openPuzzleText(*b.wb, "Dear editor,\nthe puzzle in last week's paper...\n"));
    EXPECT_EQ(b.gridText(), before);
    ASSERT_FALSE(b.messages.shown.empty());
    EXPECT_NE(b.messages.shown.back().find("Line 1"), std::string::npos);
}

TEST(Copy, GivesTheLineAndThePencilMarkGridThatReadBack) {
    test::Bench b(3, 4);
    const test::SamplePuzzle sample = test::loadSamples("singles-3x4.txt").at(0);
    b.enterGivens(sample.puzzle);
    const ClipboardTexts texts = copyPuzzle(*b.wb);
    EXPECT_EQ(texts.line.substr(0, 4), "3x4:") << "a 12x12 says its boxes";
    const ReadResult line = readPuzzles(texts.line);
    ASSERT_TRUE(line.ok());
    EXPECT_EQ(line.puzzles[0].givens, b.values(true));
    const ReadResult marks = readPuzzles(texts.pencilMarks);
    ASSERT_TRUE(marks.ok());
    EXPECT_EQ(marks.puzzles[0].givens, b.values());
    ASSERT_TRUE(marks.puzzles[0].candidates.has_value());
}

TEST(OpenFile, ReadsSaveFilesAndExchangeFormatsAlike) {
    test::Bench b;
    const test::TempFolder folder;
    const test::SamplePuzzle sample = test::loadSamples("singles-2x4.txt").at(0);
    const ExchangePuzzle p = readPuzzles(sample.puzzle).puzzles[0];
    test::writeBytes(folder.path / "p.ss", writeBordered(p));
    ASSERT_TRUE(openPuzzleFile(*b.wb, folder.path / "p.ss"));
    EXPECT_EQ(b.gridText(), sample.puzzle);
    EXPECT_FALSE(openPuzzleFile(*b.wb, folder.path / "missing.sdk"));
    EXPECT_NE(b.messages.shown.back().find("cannot open"), std::string::npos);
}

}  // namespace
}  // namespace velmora
