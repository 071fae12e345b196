// 9x9 puzzles as people paste them: other programs' borders, blank lines, CR LF, ratings,
// lower case, .sdk headers, Simple Sudoku .ss and pencil-mark grids.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "formats/puzzle_reader.h"
#include "texts/read_error_texts.h"

namespace velmora {
namespace {

// The puzzle every variant below holds, with its givens counted independently of the reader.
constexpr std::string_view kPuzzle =
    ".2..........6....3.74.8.........3..2.8..4..1.6..5.........1.78.5....9..........4.";

std::vector<int> digits(std::string_view line) {
    std::vector<int> values;
    for (const char c : line)
        values.push_back(c >= '1' && c <= '9' ? c - '0' : 0);
    return values;
}

struct Variant {
    const char* name;
    std::string text;
    PuzzleFormat format;
};

std::vector<Variant> variants() {
    return {
        {"simple sudoku .ss",
         "*-----------*\n|.2.|...|...|\n|...|6..|..3|\n|.74|.8.|...|\n|---+---+---|\n"
         "|...|..3|..2|\n|.8.|.4.|.1.|\n|6..|5..|...|\n|---+---+---|\n|...|.1.|78.|\n"
         "|5..|..9|...|\n|...|...|.4.|\n*-----------*\n",
         PuzzleFormat::Bordered},
        {"frameless, CR LF",
         ".2.|...|...\r\n...|6..|..3\r\n.74|.8.|...\r\n-----------\r\n...|..3|..2\r\n"
         ".8.|.4.|.1.\r\n6..|5..|...\r\n-----------\r\n...|.1.|78.\r\n5..|..9|...\r\n"
         "...|...|.4.\r\n",
         PuzzleFormat::Bordered},
        {"spaced cells, other corners",
         ".-------.-------.-------.\n| 0 2 0 | 0 0 0 | 0 0 0 |\n| 0 0 0 | 6 0 0 | 0 0 3 |\n"
         "| 0 7 4 | 0 8 0 | 0 0 0 |\n:-------+-------+-------:\n| 0 0 0 | 0 0 3 | 0 0 2 |\n"
         "| 0 8 0 | 0 4 0 | 0 1 0 |\n| 6 0 0 | 5 0 0 | 0 0 0 |\n:=======+=======+=======:\n"
         "| 0 0 0 | 0 1 0 | 7 8 0 |\n| 5 0 0 | 0 0 9 | 0 0 0 |\n| 0 0 0 | 0 0 0 | 0 4 0 |\n"
         "'-------'-------'-------'\n",
         PuzzleFormat::Bordered},
        {"grid with blank lines between bands",
         "\n  -2- --- ---  \n--- 6-- --3\n-74 -8- ---\n\n--- --3 --2\n-8- -4- -1-\n"
         "6-- 5-- ---\n\n--- -1- 78-\n5-- --9 ---\n--- --- -4-\n\n",
         PuzzleFormat::Grid},
        {"line with a rating", "  " + std::string(kPuzzle) + "  ER 6.6/1.2/1.2 # hard\r\n",
         PuzzleFormat::Line},
        {"line with other markers",
         "*2__________6____3*74*8*********3**2*8**4**1*6**5*********1*78*5****9**********4*",
         PuzzleFormat::Line},
        {"tagged", "3x3:" + std::string(kPuzzle), PuzzleFormat::Tagged},
    };
}

TEST(FormatsRealWorld, EveryVariantReadsTheSamePuzzle) {
    for (const Variant& v : variants()) {
        const ReadResult read = readPuzzles(v.text);
        ASSERT_TRUE(read.ok()) << v.name << ": " << readErrorMessage(*read.error, 0);
        ASSERT_EQ(read.puzzles.size(), 1U) << v.name;
        EXPECT_EQ(read.puzzles[0].givens, digits(kPuzzle)) << v.name;
        EXPECT_EQ(read.puzzles[0].format, v.format) << v.name;
        EXPECT_EQ(read.puzzles[0].shape, (BoxShape{3, 3})) << v.name;
    }
}

TEST(FormatsRealWorld, SdkHeadersBecomeMetadata) {
    const std::string sdk =
        "#ASadMan Software\r\n#DA random puzzle\r\n#CJust fill in the blanks!\r\n#C  and more\r\n"
        "#B03-08-2005\r\n#LEasy\r\n#Uhttps://velmora.example/\r\n#Xno such field\r\n"
        ".2.......\r\n...6....3\r\n.74.8....\r\n.....3..2\r\n.8..4..1.\r\n6..5.....\r\n"
        "....1.78.\r\n5....9...\r\n.......4.\r\n";
    const ReadResult read = readPuzzles(sdk);
    ASSERT_TRUE(read.ok());
    const ExchangePuzzle& p = read.puzzles.at(0);
    EXPECT_EQ(p.format, PuzzleFormat::Sdk);
    EXPECT_EQ(p.givens, digits(kPuzzle));
    const std::vector<std::pair<std::string, std::string>> expected{
        {"author", "SadMan Software"},
        {"description", "A random puzzle"},
        {"comment", "Just fill in the blanks!"},
        {"comment", "and more"},
        {"date", "03-08-2005"},
        {"level", "Easy"},
        {"address", "https://velmora.example/"}};
    EXPECT_EQ(p.metadata, expected);

    // A grid in a file named .sdk is one even without headers.
    ReadOptions hinted;
    hinted.hint = formatFromExtension(".SDK");
    EXPECT_EQ(readPuzzles(sdk.substr(sdk.find(".2.")), hinted).puzzles.at(0).format,
              PuzzleFormat::Sdk);
}

TEST(FormatsRealWorld, PencilMarkGridGivesGivensAndCandidates) {
    const std::string pm =
        "*--------------------------------------------------------------*\n"
        "| 1389 2    1389  | 13479 1479 13479 | 5     6     1489 |\n"
        "| 1589 1569 1589  | 6     1579 1279  | 1289  4789  3    |\n"
        "| 1369 7    4     | 139   8    1239  | 129   29    1269 |\n"
        "|------------------+-----------------+------------------|\n"
        "| 1479 1469 1579  | 1789  1679 3     | 4689  4789  2    |\n"
        "| 2379 8    23579 | 279   4    2679  | 369   1     5679 |\n"
        "| 6    1349 12379 | 5     1279 1278  | 3489  3789  4789 |\n"
        "|------------------+-----------------+------------------|\n"
        "| 2349 3469 2369  | 234   1    2456  | 7     8     569  |\n"
        "| 5    1346 12368 | 23478 2367 9     | 1236  23    16   |\n"
        "| 12378 1369 123678 | 23678 23567 25678 | 1236 4 1569    |\n"
        "*--------------------------------------------------------------*\n";
    const ReadResult read = readPuzzles(pm);
    ASSERT_TRUE(read.ok()) << readErrorMessage(*read.error, 0);
    const ExchangePuzzle& p = read.puzzles.at(0);
    EXPECT_EQ(p.format, PuzzleFormat::PencilMarks);
    EXPECT_EQ(
        p.givens,
        digits(
            ".2....56....6....3.74.8.........3..2.8..4..1.6..5.........1.78.5....9..........4."));
    ASSERT_TRUE(p.candidates);
    EXPECT_EQ((*p.candidates)[0], 0b110000101U);   // 1389
    EXPECT_EQ((*p.candidates)[1], 0b000000010U);   // the given 2
    EXPECT_EQ((*p.candidates)[80], 0b100110001U);  // 1569
}

}  // namespace
}  // namespace velmora
