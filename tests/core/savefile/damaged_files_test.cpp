// Damaged save files are refused whole: one message naming the file and its first bad line, and
// the puzzle on screen stays as it was.
#include <gtest/gtest.h>

#include <regex>

#include "savefile/save_file_io.h"
#include "savefile/save_text_writer.h"
#include "support/puzzle_fixture.h"

namespace velmora::test {
namespace {

// A half-solved puzzle of another size than the damaged files, to see that it survives.
void someWork(Bench& bench) {
    bench.enterGivens("1..2.1..........");
    bench.cells().getcellBigindex(5).scPush();
    bench.cells().getcellBigindex(5).putEntered(4);
    bench.pc().Experimental = true;
}

std::string fileText(Bench& bench) {
    return writeSaveText(bench.pc(), "p", "t");
}

std::string sorry(Bench& bench, const std::string& what, const std::string& name) {
    return "Sorry - cannot " + what + " save file " + (bench.savedFolder() / name).string();
}

// Each damaged file says in its first line where it must be refused ("refused at line N");
// a file without that says must be refused at its end.
TEST(DamagedFiles, EachIsRefusedWithItsLineAndThePuzzleKept) {
    int files = 0;
    for (const auto& entry : std::filesystem::directory_iterator(testData("savefiles/damaged"))) {
        const std::string name = entry.path().filename().string();
        SCOPED_TRACE(name);
        ++files;
        Bench bench(2, 2);
        someWork(bench);
        const PuzzleControl* configBefore = &bench.pc();
        const scells* gridBefore = &bench.cells();
        const std::string before = fileText(bench);

        std::filesystem::copy_file(entry.path(), bench.savedFolder() / name);
        bench.load(name);

        ASSERT_EQ(bench.messages.shown.size(), 1u);
        const std::string& message = bench.messages.shown[0];
        EXPECT_EQ(message.rfind(sorry(bench, "load", name), 0), 0u) << message;
        const std::string bytes = readBytes(entry.path());
        std::smatch m;
        const std::string head = bytes.substr(0, bytes.find('\n'));
        if (std::regex_search(head, m, std::regex("refused at line ([0-9]+)"))) {
            EXPECT_NE(message.find("\nLine " + m[1].str() + ": "), std::string::npos) << message;
        } else {
            EXPECT_TRUE(message.find("At the end of the file") != std::string::npos ||
                        message.find("The file is empty") != std::string::npos)
                << message;
        }
        EXPECT_EQ(&bench.pc(), configBefore);
        EXPECT_EQ(&bench.cells(), gridBefore);
        EXPECT_EQ(fileText(bench), before);
        EXPECT_EQ(bench.history().undoCount(), 1);
        EXPECT_FALSE(bench.history().Loading);
        EXPECT_EQ(bench.settings.sizeOption, 2);
    }
    EXPECT_GE(files, 30);
}

TEST(DamagedFiles, MessageShowsTheBadLine) {
    Bench bench;
    std::filesystem::copy_file(testData("savefiles/damaged/cell-bigindex-too-big.svl"),
                               bench.savedFolder() / "x.svl");
    bench.load("x.svl");
    EXPECT_EQ(bench.messages.shown,
              std::vector<std::string>{sorry(bench, "load", "x.svl") +
                                       "\nLine 98: cell 81 is outside the grid (0 to 80)\n"
                                       "=, 81,0,0,0,0, 1, 2, 0, 4, 0, 0, 0, 8, 9"});
}

TEST(DamagedFiles, AFileThatCannotBeOpenedSaysSo) {
    Bench bench;
    bench.load("missing.svl");
    std::filesystem::create_directory(bench.savedFolder() / "folder.svl");
    bench.load("folder.svl");
    EXPECT_EQ(bench.messages.shown, std::vector<std::string>({sorry(bench, "open", "missing.svl"),
                                                              sorry(bench, "open", "folder.svl")}));
}

TEST(DamagedFiles, AFileOverOneMebibyteIsRefusedUnread) {
    Bench bench;
    const std::string before = fileText(bench);
    // A sound 9x9 file padded with comments past the limit.
    std::string bytes = readBytes(testData("savefiles/expected-3x3.svl"));
    const std::string comment = "!," + std::string(1000, 'c') + "\r\n";
    while (bytes.size() <= kMaxSaveFileBytes)
        bytes += comment;
    writeBytes(bench.savedFolder() / "big.svl", bytes);
    bench.load("big.svl");
    ASSERT_EQ(bench.messages.shown.size(), 1u);
    EXPECT_NE(bench.messages.shown[0].find("too large"), std::string::npos);
    EXPECT_EQ(fileText(bench), before);

    // Exactly at the limit it is still read.
    bytes.resize(kMaxSaveFileBytes - 2);
    bytes += "\r\n";
    writeBytes(bench.savedFolder() / "limit.svl", bytes);
    bench.load("limit.svl");
    EXPECT_EQ(bench.messages.shown.size(), 1u);
    EXPECT_EQ(bench.cells().getcellBigindex(5).Trying, 7);
}

TEST(DamagedFiles, AnotherSaveVersionIsRefusedWithTheCompatibilityMessage) {
    Bench bench(2, 3);
    const std::string before = fileText(bench);
    std::string bytes = readBytes(testData("savefiles/expected-3x3.svl"));
    const auto at = bytes.find("+,pSaveVersion,1");
    ASSERT_NE(at, std::string::npos);
    bytes.replace(at, 16, "+,pSaveVersion,2");
    writeBytes(bench.savedFolder() / "v2.svl", bytes);
    bench.load("v2.svl");
    EXPECT_EQ(bench.messages.shown,
              std::vector<std::string>{"This save file is not compatible with this version"});
    EXPECT_EQ(fileText(bench), before);
    EXPECT_FALSE(bench.history().Loading);
    EXPECT_EQ(bench.settings.sizeOption, 3);
}

}  // namespace
}  // namespace velmora::test
