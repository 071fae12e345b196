// What the reader accepts: any case, unknown keys, the size option, the element characters.
#include <gtest/gtest.h>

#include <algorithm>
#include <cctype>

#include "savefile/save_install.h"
#include "savefile/save_text_reader.h"
#include "savefile/save_text_writer.h"
#include "support/puzzle_fixture.h"

namespace velmora::test {
namespace {

// The hand-checked 9x9 file with `from` replaced by `to`.
std::string expectedFile(const std::string& from = "", const std::string& to = "") {
    std::string text = readBytes(testData("savefiles/expected-3x3.svl"));
    if (from.empty()) return text;
    const auto at = text.find(from);
    EXPECT_NE(at, std::string::npos) << from;
    if (at != std::string::npos) text.replace(at, from.size(), to);
    return text;
}

// A 9x9 bench that has loaded `text`.
struct Loaded : Bench {
    explicit Loaded(const std::string& text) {
        writeBytes(savedFolder() / "file.svl", text);
        load("file.svl");
    }
};

TEST(SaveTextReader, UpperAndMixedCaseLoadTheSameAsWritten) {
    std::string shouting = expectedFile();
    std::transform(shouting.begin(), shouting.end(), shouting.begin(),
                   [](unsigned char c) { return static_cast<char>(std::toupper(c)); });
    for (const auto& [from, to] : {std::pair{"-,MANUALPENCILMARKS,0", "-,ManualPencilMarks, True "},
                                   {"-,SCRIBBLING,0", "-,Scribbling,WAHR"},
                                   {"=, 1,2,1,0,1,", "=, 1,2,TRUE,False,Wahr,"}})
        shouting.replace(shouting.find(from), std::string(from).size(), to);
    Loaded loud(shouting);
    ASSERT_TRUE(loud.messages.shown.empty()) << loud.messages.shown[0];
    EXPECT_TRUE(loud.pc().manualPencilMarks);
    EXPECT_TRUE(loud.pc().Scribbling);
    loud.pc().manualPencilMarks = loud.pc().Scribbling = false;
    Loaded plain(expectedFile());
    EXPECT_EQ(writeSaveText(loud.pc(), "p", "t"), writeSaveText(plain.pc(), "p", "t"));

    // Only 1, true and wahr are true, once the line is in lower case.
    for (const char* yes : {"1", "  true ", "wahr"})
        EXPECT_TRUE(textBool(yes)) << yes;
    for (const char* no : {"True", "yes", "2", ""})
        EXPECT_FALSE(textBool(no)) << no;
}

TEST(SaveTextReader, UnknownSettingIsNamedAndTheRestLoads) {
    Loaded bench(expectedFile("-,Experimental,0\r\n", "-,Experimental,0\r\n-,Colour,red\r\n"));
    EXPECT_EQ(bench.messages.shown, std::vector<std::string>{"Unknown element in load filecolour"});
    EXPECT_EQ(bench.cells().getcellBigindex(1).Trying, 2);
    EXPECT_TRUE(bench.cells().getcellBigindex(1).Entered);
}

TEST(SaveTextReader, OtherLinesAreSkippedSilently) {
    Loaded bench(expectedFile("+,sgValue,0\r\n", "+,sgValue,0\r\n+,Author,Ada\r\n*,stray\r\n\r\n"));
    EXPECT_TRUE(bench.messages.shown.empty());
    EXPECT_EQ(bench.cells().getcellBigindex(5).Trying, 7);
}

// (Which characters become '?' is the element characters reading test's.)
TEST(SaveTextReader, ElementsComeBackInUpperCaseAndTheWindowShowsThem) {
    Loaded letters(expectedFile("-,sElements,123456789", "-,sElements,abcdefghi"));
    EXPECT_EQ(letters.pc().sElements, "ABCDEFGHI");
    EXPECT_EQ(letters.settings.elementsText, "ABCDEFGHI");
}

TEST(SaveTextReader, ACommaAmongTheElementsSurvivesTheRoundTrip) {
    Bench saving(2, 2);
    saving.pc().sElements = "A,B;";
    saving.save("comma.svl");
    Bench loading;
    loading.loadFrom(saving, "comma.svl");
    EXPECT_TRUE(loading.messages.shown.empty());
    EXPECT_EQ(loading.pc().sElements, "A,B;");
}

TEST(SaveTextReader, AnSgValueSettingChoosesTheSize) {
    // Without geometry lines the shape comes from the size option the file names.
    std::string text = "-,sgvalue,3\r\n-,nscells, 36\r\n";
    for (int b = 0; b < 36; ++b)
        text += "=, " + std::to_string(b) + ",0,0,0,0, 0, 0, 0, 0, 0, 0\r\n";
    Loaded bench(text);
    ASSERT_TRUE(bench.messages.shown.empty()) << bench.messages.shown[0];
    EXPECT_EQ(bench.pc().nRows, 2);
    EXPECT_EQ(bench.pc().nCols, 3);
    EXPECT_EQ(bench.pc().cFontSize, 26);
    EXPECT_EQ(bench.pc().sElements, "123456");
    EXPECT_EQ(bench.cells().getcellBigindex(0).countPossibilities, 6);
}

TEST(SaveTextReader, LinesEndedByLineFeedAloneAreRead) {
    std::string text = expectedFile();
    text.erase(std::remove(text.begin(), text.end(), '\r'), text.end());
    Bench bench;
    const SaveReadResult read = readSaveText(text, loadDefaults(*bench.wb));
    ASSERT_TRUE(read.ok()) << read.reason;
    EXPECT_EQ(read.contents.cells[5].Trying, 7);
}

}  // namespace
}  // namespace velmora::test
