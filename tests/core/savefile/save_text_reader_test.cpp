// What the reader accepts: any case, unknown keys, the size option, the element characters.
#include <gtest/gtest.h>

#include <algorithm>
#include <cctype>

#include "save_bench.h"
#include "savefile/save_install.h"
#include "savefile/save_text_reader.h"
#include "savefile/save_text_writer.h"

namespace velmora::test {
namespace {

std::string expectedFile() {
    return readBytes(testData("savefiles/expected-3x3.svl"));
}

std::string replaced(std::string text, const std::string& from, const std::string& to) {
    const auto at = text.find(from);
    EXPECT_NE(at, std::string::npos) << from;
    if (at != std::string::npos) text.replace(at, from.size(), to);
    return text;
}

TEST(SaveTextReader, UpperAndMixedCaseLoadTheSameAsWritten) {
    SaveBench plain;
    writeBytes(plain.savedFolder() / "plain.svl", expectedFile());
    plain.load("plain.svl");
    ASSERT_TRUE(plain.messages.shown.empty());

    std::string shouting = expectedFile();
    std::transform(shouting.begin(), shouting.end(), shouting.begin(),
                   [](unsigned char c) { return static_cast<char>(std::toupper(c)); });
    shouting = replaced(shouting, "-,MANUALPENCILMARKS,0", "-,ManualPencilMarks, True ");
    shouting = replaced(shouting, "-,SCRIBBLING,0", "-,Scribbling,WAHR");
    shouting = replaced(shouting, "=, 1,2,1,0,1,", "=, 1,2,TRUE,False,Wahr,");
    SaveBench loud;
    writeBytes(loud.savedFolder() / "loud.svl", shouting);
    loud.load("loud.svl");
    ASSERT_TRUE(loud.messages.shown.empty()) << loud.messages.shown[0];

    EXPECT_TRUE(loud.pc().manualPencilMarks);
    EXPECT_TRUE(loud.pc().Scribbling);
    loud.pc().manualPencilMarks = plain.pc().manualPencilMarks;
    loud.pc().Scribbling = plain.pc().Scribbling;
    EXPECT_EQ(writeSaveText(loud.pc(), "p", "t"), writeSaveText(plain.pc(), "p", "t"));
}

TEST(SaveTextReader, OnlyOneTrueAndWahrAreTrue) {
    EXPECT_TRUE(textBool("1"));
    EXPECT_TRUE(textBool("  true "));
    EXPECT_TRUE(textBool("wahr"));
    EXPECT_FALSE(textBool("True"));  // the reader lower-cases the line first
    EXPECT_FALSE(textBool("yes"));
    EXPECT_FALSE(textBool("2"));
    EXPECT_FALSE(textBool(""));
}

TEST(SaveTextReader, UnknownSettingIsNamedAndTheRestLoads) {
    SaveBench bench;
    const std::string text =
        replaced(expectedFile(), "-,Experimental,0\r\n", "-,Experimental,0\r\n-,Colour,red\r\n");
    writeBytes(bench.savedFolder() / "colour.svl", text);
    bench.load("colour.svl");
    ASSERT_EQ(bench.messages.shown.size(), 1u);
    EXPECT_EQ(bench.messages.shown[0], "Unknown element in load filecolour");
    EXPECT_EQ(bench.cells().getcellBigindex(1).Trying, 2);
    EXPECT_TRUE(bench.cells().getcellBigindex(1).Entered);
}

TEST(SaveTextReader, OtherLinesAreSkippedSilently) {
    SaveBench bench;
    const std::string text = replaced(expectedFile(), "+,sgValue,0\r\n",
                                      "+,sgValue,0\r\n+,Author,Ada\r\n*,stray\r\n\r\n");
    writeBytes(bench.savedFolder() / "extra.svl", text);
    bench.load("extra.svl");
    EXPECT_TRUE(bench.messages.shown.empty());
    EXPECT_EQ(bench.cells().getcellBigindex(5).Trying, 7);
}

TEST(SaveTextReader, LowerCaseElementsComeBackInUpperCase) {
    SaveBench bench;
    const std::string text =
        replaced(expectedFile(), "-,sElements,123456789", "-,sElements,abcdefghi");
    writeBytes(bench.savedFolder() / "letters.svl", text);
    bench.load("letters.svl");
    EXPECT_EQ(bench.pc().sElements, "ABCDEFGHI");
    EXPECT_EQ(bench.settings.elementsText, "ABCDEFGHI");
}

TEST(SaveTextReader, ACommaAmongTheElementsSurvivesTheRoundTrip) {
    SaveBench saving(2, 2);
    saving.pc().sElements = "A,B;";
    saving.save("comma.svl");
    SaveBench loading;
    std::filesystem::copy_file(saving.savedFolder() / "comma.svl",
                               loading.savedFolder() / "comma.svl");
    loading.load("comma.svl");
    EXPECT_TRUE(loading.messages.shown.empty());
    EXPECT_EQ(loading.pc().sElements, "A,B;");
}

TEST(SaveTextReader, ElementsOutsideAsciiBecomeQuestionMarks) {
    SaveBench bench;
    const std::string text =
        replaced(expectedFile(), "-,sElements,123456789", "-,sElements,12345678\xE9");
    writeBytes(bench.savedFolder() / "accent.svl", text);
    bench.load("accent.svl");
    EXPECT_EQ(bench.pc().sElements, "12345678?");
}

TEST(SaveTextReader, AnSgValueSettingChoosesTheSize) {
    // Without geometry lines the shape comes from the size option the file names.
    const std::string text = "-,sgvalue,3\r\n-,nscells, 36\r\n" + [] {
        std::string cells;
        for (int b = 0; b < 36; ++b)
            cells += "=, " + std::to_string(b) + ",0,0,0,0, 0, 0, 0, 0, 0, 0\r\n";
        return cells;
    }();
    SaveBench bench;
    writeBytes(bench.savedFolder() / "six.svl", text);
    bench.load("six.svl");
    ASSERT_TRUE(bench.messages.shown.empty()) << bench.messages.shown[0];
    EXPECT_EQ(bench.pc().nRows, 2);
    EXPECT_EQ(bench.pc().nCols, 3);
    EXPECT_EQ(bench.pc().sElements, "123456");
    EXPECT_EQ(bench.cells().getcellBigindex(0).countPossibilities, 6);
}

TEST(SaveTextReader, LinesEndedByLineFeedAloneAreRead) {
    std::string text = expectedFile();
    text.erase(std::remove(text.begin(), text.end(), '\r'), text.end());
    SaveBench bench;
    const SaveReadResult read = readSaveText(text, loadDefaults(*bench.wb));
    ASSERT_TRUE(read.ok()) << read.reason;
    EXPECT_EQ(read.contents.cells[5].Trying, 7);
}

}  // namespace
}  // namespace velmora::test
