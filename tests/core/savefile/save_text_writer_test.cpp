// The exact bytes of a saved file.
#include <gtest/gtest.h>

#include <algorithm>

#include "savefile/save_text_writer.h"
#include "support/puzzle_fixture.h"

namespace velmora::test {
namespace {

// The puzzle's givens, two values typed by the user and one found by the solver: the state
// tests/data/savefiles/expected-3x3.svl was checked by hand against.
void halfSolved(Bench& bench) {
    bench.enterGivens(
        "9..16.8......8.6.3.4..35...3.7..6......7...2.....59..7.1..4..5.8.2.....6.........");
    bench.cells().getcellBigindex(1).putEntered(2);
    bench.cells().getcellBigindex(2).putEntered(3);
    bench.cells().getcellBigindex(5).putSure(7);
    bench.cells().resetPossibilities();
}

TEST(SaveTextWriter, NineByNineMatchesTheHandCheckedFile) {
    Bench bench;
    halfSolved(bench);
    const std::string expected = readBytes(testData("savefiles/expected-3x3.svl"));
    ASSERT_FALSE(expected.empty());
    EXPECT_EQ(writeSaveText(bench.pc(), "/home/ada/Velmora/saved/exact.svl", kFixedTime), expected);

    // The Save command writes the same bytes, naming its own path.
    bench.save("exact.svl");
    const std::string path = (bench.savedFolder() / "exact.svl").string();
    std::string written = readBytes(path);
    const std::string line = "+,SaveFile," + path + "\r\n";
    ASSERT_NE(written.find(line), std::string::npos);
    written.replace(written.find(line), line.size(),
                    "+,SaveFile,/home/ada/Velmora/saved/exact.svl\r\n");
    EXPECT_EQ(written, expected);
    EXPECT_TRUE(bench.messages.shown.empty());
}

TEST(SaveTextWriter, CellLineOfAFourByFourPuzzle) {
    Bench bench(2, 2);
    scell& cell = bench.cells().getcellBigindex(5);
    cell.Clear();
    cell.putPossibility(0);
    cell.putPossibility(2);
    const std::string text = writeSaveText(bench.pc(), "p", "t");
    EXPECT_NE(text.find("\r\n-,nscells, 16\r\n"), std::string::npos);
    EXPECT_NE(text.find("\r\n=, 5,0,0,0,0, 1, 0, 3, 0\r\n"), std::string::npos);
    EXPECT_EQ(std::count(text.begin(), text.end(), '\n'), 17 + 16 + 1);  // and "+,Done"
}

TEST(SaveTextWriter, TextFieldsGoToDiskInLatin1) {
    Bench bench;
    const std::string text = writeSaveText(bench.pc(), "/tmp/r\xC3\xA9sum\xC3\xA9.svl", "t");
    EXPECT_NE(text.find("+,SaveFile,/tmp/r\xE9sum\xE9.svl\r\n"), std::string::npos);
}

}  // namespace
}  // namespace velmora::test
