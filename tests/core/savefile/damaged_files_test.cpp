// Damaged save files are refused whole: one message naming the file and its first bad line, and
// the puzzle on screen stays as it was.
#include <gtest/gtest.h>

#include <regex>

#include "save_bench.h"
#include "savefile/save_file_io.h"
#include "savefile/save_text_writer.h"

namespace velmora::test {
namespace {

// Each damaged file says in its first line where it must be refused: "refused at line N" or
// "refused at the end"; a file without that line must be refused at its end.
struct Expectation {
    bool atEnd = true;
    int line = 0;
};

Expectation expectationOf(const std::string& bytes) {
    std::smatch m;
    const std::string head = bytes.substr(0, bytes.find('\n'));
    if (std::regex_search(head, m, std::regex("refused at line ([0-9]+)")))
        return {false, std::stoi(m[1])};
    return {};
}

// A half-solved puzzle of another size than the damaged files, to see that it survives.
void someWork(SaveBench& bench) {
    bench.enterGivens("1..2.1..........");
    bench.cells().getcellBigindex(5).scPush();
    bench.cells().getcellBigindex(5).putEntered(4);
    bench.pc().Experimental = true;
}

TEST(DamagedFiles, EachIsRefusedWithItsLineAndThePuzzleKept) {
    const std::filesystem::path corpus = testData("savefiles/damaged");
    int files = 0;
    for (const auto& entry : std::filesystem::directory_iterator(corpus)) {
        const std::string name = entry.path().filename().string();
        SCOPED_TRACE(name);
        ++files;
        SaveBench bench(2, 2);
        someWork(bench);
        const PuzzleControl* configBefore = &bench.pc();
        const scells* gridBefore = &bench.cells();
        const std::string before = writeSaveText(bench.pc(), "p", "t");

        std::filesystem::copy_file(entry.path(), bench.savedFolder() / name);
        bench.load(name);

        ASSERT_EQ(bench.messages.shown.size(), 1u);
        const std::string& message = bench.messages.shown[0];
        EXPECT_NE(message.find((bench.savedFolder() / name).string()), std::string::npos)
            << message;
        const Expectation expected = expectationOf(readBytes(entry.path()));
        if (expected.atEnd) {
            EXPECT_TRUE(message.find("At the end of the file") != std::string::npos ||
                        message.find("The file is empty") != std::string::npos)
                << message;
        } else {
            EXPECT_NE(message.find("\nLine " + std::to_string(expected.line) + ": "),
                      std::string::npos)
                << message;
        }
        EXPECT_EQ(&bench.pc(), configBefore);
        EXPECT_EQ(&bench.cells(), gridBefore);
        EXPECT_EQ(writeSaveText(bench.pc(), "p", "t"), before);
        EXPECT_EQ(bench.wb->fControl().undoCount(), 1);
        EXPECT_FALSE(bench.wb->fControl().Loading);
        EXPECT_EQ(bench.settings.sizeOption, 2);
    }
    EXPECT_GE(files, 30);
}

TEST(DamagedFiles, MessageShowsTheBadLine) {
    SaveBench bench;
    std::filesystem::copy_file(testData("savefiles/damaged/cell-bigindex-too-big.svl"),
                               bench.savedFolder() / "x.svl");
    bench.load("x.svl");
    ASSERT_EQ(bench.messages.shown.size(), 1u);
    EXPECT_EQ(bench.messages.shown[0], "Sorry - cannot load save file " +
                                           (bench.savedFolder() / "x.svl").string() +
                                           "\nLine 98: cell 81 is outside the grid (0 to 80)\n"
                                           "=, 81,0,0,0,0, 1, 2, 0, 4, 0, 0, 0, 8, 9");
}

TEST(DamagedFiles, AFileThatCannotBeOpenedSaysSo) {
    SaveBench bench;
    bench.load("missing.svl");
    ASSERT_EQ(bench.messages.shown.size(), 1u);
    EXPECT_EQ(bench.messages.shown[0],
              "Sorry - cannot open save file " + (bench.savedFolder() / "missing.svl").string());
    std::filesystem::create_directory(bench.savedFolder() / "folder.svl");
    bench.load("folder.svl");
    ASSERT_EQ(bench.messages.shown.size(), 2u);
    EXPECT_EQ(bench.messages.shown[1].rfind("Sorry - cannot open save file ", 0), 0u);
}

TEST(DamagedFiles, AFileOverOneMebibyteIsRefusedUnread) {
    SaveBench bench;
    const std::string before = writeSaveText(bench.pc(), "p", "t");
    // A sound file padded with comments past the limit.
    std::string bytes = readBytes(testData("savefiles/expected-3x3.svl"));
    const std::string comment = "!," + std::string(1000, 'c') + "\r\n";
    while (bytes.size() <= kMaxSaveFileBytes)
        bytes += comment;
    writeBytes(bench.savedFolder() / "big.svl", bytes);
    bench.load("big.svl");
    ASSERT_EQ(bench.messages.shown.size(), 1u);
    EXPECT_NE(bench.messages.shown[0].find("too large"), std::string::npos);
    EXPECT_EQ(writeSaveText(bench.pc(), "p", "t"), before);

    // Exactly at the limit it is still read.
    bytes.resize(kMaxSaveFileBytes - 2);
    bytes += "\r\n";
    writeBytes(bench.savedFolder() / "limit.svl", bytes);
    bench.load("limit.svl");
    EXPECT_EQ(bench.messages.shown.size(), 1u);
    EXPECT_EQ(bench.pc().nDim, 9);
}

TEST(DamagedFiles, AnotherSaveVersionIsRefusedWithTheCompatibilityMessage) {
    SaveBench bench(2, 3);
    const std::string before = writeSaveText(bench.pc(), "p", "t");
    std::string bytes = readBytes(testData("savefiles/expected-3x3.svl"));
    const auto at = bytes.find("+,pSaveVersion,1");
    ASSERT_NE(at, std::string::npos);
    bytes.replace(at, 16, "+,pSaveVersion,2");
    writeBytes(bench.savedFolder() / "v2.svl", bytes);
    bench.load("v2.svl");
    ASSERT_EQ(bench.messages.shown.size(), 1u);
    EXPECT_EQ(bench.messages.shown[0], "This save file is not compatible with this version");
    EXPECT_EQ(writeSaveText(bench.pc(), "p", "t"), before);
    EXPECT_FALSE(bench.wb->fControl().Loading);
    EXPECT_EQ(bench.settings.sizeOption, 3);
}

}  // namespace
}  // namespace velmora::test
