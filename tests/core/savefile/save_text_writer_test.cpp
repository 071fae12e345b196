// The exact bytes of a saved file.
#include <gtest/gtest.h>

#include "save_bench.h"
#include "savefile/save_text_writer.h"

namespace velmora::test {
namespace {

constexpr const char* kPuzzle =
    "9..16.8......8.6.3.4..35...3.7..6......7...2.....59..7.1..4..5.8.2.....6.........";

// The puzzle's givens, two values typed by the user and one found by the solver.
void halfSolved(SaveBench& bench) {
    bench.enterGivens(kPuzzle);
    bench.cells().getcellBigindex(1).putEntered(2);
    bench.cells().getcellBigindex(2).putEntered(3);
    bench.cells().getcellBigindex(5).putSure(7);
    bench.cells().resetPossibilities();
}

std::vector<std::string> lines(const std::string& text) {
    std::vector<std::string> result;
    std::size_t start = 0;
    while (start < text.size()) {
        const auto end = text.find("\r\n", start);
        result.push_back(text.substr(start, end - start));
        start = end == std::string::npos ? text.size() : end + 2;
    }
    return result;
}

TEST(SaveTextWriter, NineByNineMatchesTheHandCheckedFile) {
    SaveBench bench;
    halfSolved(bench);
    const std::string expected = readBytes(testData("savefiles/expected-3x3.svl"));
    ASSERT_FALSE(expected.empty());
    EXPECT_EQ(writeSaveText(bench.pc(), "/home/ada/Velmora/saved/exact.svl", kFixedTime), expected);
}

TEST(SaveTextWriter, SaveCommandWritesTheSameBytesWithItsOwnPath) {
    SaveBench bench;
    halfSolved(bench);
    bench.save("exact.svl");
    std::vector<std::string> written = lines(readBytes(bench.savedFolder() / "exact.svl"));
    std::vector<std::string> expected = lines(readBytes(testData("savefiles/expected-3x3.svl")));
    ASSERT_EQ(written.size(), 99u);
    ASSERT_EQ(expected.size(), 99u);
    EXPECT_EQ(written[2], "+,SaveFile," + (bench.savedFolder() / "exact.svl").string());
    written[2] = expected[2];
    EXPECT_EQ(written, expected);
    EXPECT_TRUE(bench.messages.shown.empty());
}

TEST(SaveTextWriter, CellLineOfAFourByFourPuzzle) {
    SaveBench bench(2, 2);
    scell& cell = bench.cells().getcellBigindex(5);
    cell.Clear();
    cell.putPossibility(0);
    cell.putPossibility(2);
    const std::vector<std::string> text = lines(writeSaveText(bench.pc(), "p", "t"));
    ASSERT_EQ(text.size(), 17u + 16u + 1u);
    EXPECT_EQ(text[16], "-,nscells, 16");
    EXPECT_EQ(text[17 + 5], "=, 5,0,0,0,0, 1, 0, 3, 0");
}

TEST(SaveTextWriter, TextFieldsGoToDiskInLatin1) {
    SaveBench bench;
    const std::string text = writeSaveText(bench.pc(), "/tmp/r\xC3\xA9sum\xC3\xA9.svl", "t");
    EXPECT_NE(text.find("+,SaveFile,/tmp/r\xE9sum\xE9.svl\r\n"), std::string::npos);
}

TEST(SaveTextWriter, NumberForms) {
    EXPECT_EQ(paddedNumber(0), " 0");
    EXPECT_EQ(paddedNumber(81), " 81");
    EXPECT_EQ(paddedNumber(-3), "-3");
    EXPECT_EQ(plainNumber(-3), "-3");
    EXPECT_EQ(plainNumber(12), "12");
}

}  // namespace
}  // namespace velmora::test
