// Random puzzles of every box shape written in every format and read back; puzzles as people
// paste them: other programs' borders, blank lines, CR LF, ratings, .sdk headers, Simple Sudoku
// .ss and pencil-mark grids; 12x12 boxes told by a tag, the borders, blank groups or band breaks,
// else by the caller's box, else reported as ambiguous; and text that holds no puzzle, or a
// broken one, refused with the reason and the line at fault in every language.
#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <bit>
#include <optional>
#include <random>

#include "bench.h"
#include "formats/puzzle_reader.h"
#include "formats/puzzle_writer.h"
#include "texts/read_error_texts.h"

namespace velmora {
namespace {

constexpr std::array<PuzzleFormat, 6> kWritable{
    PuzzleFormat::Line,     PuzzleFormat::Tagged,      PuzzleFormat::Grid,
    PuzzleFormat::Bordered, PuzzleFormat::PencilMarks, PuzzleFormat::Candidates};

// Givens at `density`; with `marks`, open cells get no, one or several random candidates.
ExchangePuzzle randomPuzzle(BoxShape shape, double density, bool marks, std::mt19937& rng) {
    const int n = shape.n();
    std::uniform_real_distribution<double> chance(0.0, 1.0);
    std::uniform_int_distribution<int> value(1, n);
    std::uniform_int_distribution<std::uint32_t> anyMask(0, (1U << n) - 1);
    ExchangePuzzle p;
    p.shape = shape;
    p.givens.assign(static_cast<std::size_t>(n * n), 0);
    std::vector<std::uint32_t> masks(p.givens.size());
    for (std::size_t i = 0; i < p.givens.size(); ++i) {
        if (chance(rng) < density) p.givens[i] = value(rng);
        const double kind = chance(rng);
        masks[i] = p.givens[i] != 0 ? 1U << (p.givens[i] - 1)
                   : kind < 0.2     ? 0U
                   : kind < 0.4     ? 1U << (value(rng) - 1)
                                    : anyMask(rng);
    }
    if (marks) p.candidates = masks;
    return p;
}

// What a writer shows for every cell, listed or not.
std::vector<std::uint32_t> shown(const ExchangePuzzle& p) {
    std::vector<std::uint32_t> masks;
    for (std::size_t i = 0; i < p.givens.size(); ++i)
        masks.push_back(shownCandidates(p, i));
    return masks;
}

void expectReadsBack(const ExchangePuzzle& p, PuzzleFormat format, const std::string& elements) {
    const std::string text = writePuzzle(p, format, {elements});
    ReadOptions options;
    options.elements = elements;
    const ReadResult back = readPuzzles(text, options);
    ASSERT_TRUE(back.ok()) << readErrorMessage(*back.error, 0) << "\n" << text;
    ASSERT_EQ(back.puzzles.size(), 1U) << text;
    const ExchangePuzzle& q = back.puzzles.front();
    EXPECT_EQ(q.shape, p.shape) << text;
    const bool marks = format == PuzzleFormat::PencilMarks || format == PuzzleFormat::Candidates;
    if (marks) {
        EXPECT_EQ(shown(q), shown(p)) << text;
    }
    if (format != PuzzleFormat::Candidates) {
        EXPECT_EQ(q.givens, p.givens) << text;
        // Only a pencil-mark grid with an open cell lists candidates.
        const bool open = std::count(p.givens.begin(), p.givens.end(), 0) > 0;
        EXPECT_EQ(q.candidates.has_value(), format == PuzzleFormat::PencilMarks && open) << text;
        return;
    }
    // A candidate line keeps no givens, unless singles are taken as givens.
    EXPECT_EQ(std::count(q.givens.begin(), q.givens.end(), 0), std::ssize(q.givens));
    options.singlesAsGivens = true;
    const ReadResult singles = readPuzzles(text, options);
    ASSERT_TRUE(singles.ok());
    for (std::size_t i = 0; i < p.givens.size(); ++i) {
        const std::uint32_t mask = shownCandidates(p, i);
        EXPECT_EQ(singles.puzzles[0].givens[i],
                  std::popcount(mask) == 1 ? std::countr_zero(mask) + 1 : 0);
    }
}

class FormatsRoundTrip : public testing::TestWithParam<BoxShape> {};

// With the default elements, and with the program's own in lower case, read back in upper case.
TEST_P(FormatsRoundTrip, EveryWriterReadsBackTheSamePuzzle) {
    const std::string lower = "abcdefghijklmnopqrstuvwxyz123456789";
    std::mt19937 rng(static_cast<unsigned>(GetParam().rows * 100 + GetParam().cols));
    for (const double density : {0.0, 0.3, 1.0}) {
        for (const bool marks : {false, true}) {
            const ExchangePuzzle p = randomPuzzle(GetParam(), density, marks, rng);
            for (const PuzzleFormat format : kWritable) {
                SCOPED_TRACE(std::string(formatName(format)) + " density " +
                             std::to_string(density) + (marks ? " with marks" : ""));
                expectReadsBack(p, format, density == 0.3 ? lower : "");
            }
            ReadOptions upper;
            upper.elements = "ABCDEFGHIJKLMNOPQRSTUVWXYZ123456789";
            EXPECT_EQ(readPuzzles(writeTagged(p, {lower}), upper).puzzles.at(0).givens, p.givens);
        }
    }
}

// Seventeen, so that 4x4 lines also make a block of 16 lines of 16 characters.
TEST_P(FormatsRoundTrip, SeveralPuzzlesInOneTextKeepTheirOrder) {
    std::mt19937 rng(7);
    std::vector<ExchangePuzzle> puzzles;
    for (int i = 0; i < 17; ++i)
        puzzles.push_back(randomPuzzle(GetParam(), 0.1 * (i % 6), true, rng));
    for (const PuzzleFormat format : kWritable) {
        const ReadResult back = readPuzzles(writePuzzles(puzzles, format));
        ASSERT_TRUE(back.ok()) << formatName(format);
        ASSERT_EQ(back.puzzles.size(), puzzles.size()) << formatName(format);
        for (std::size_t i = 0; i < puzzles.size(); ++i) {
            if (format == PuzzleFormat::Candidates) {
                EXPECT_EQ(shown(back.puzzles[i]), shown(puzzles[i])) << formatName(format);
            } else {
                EXPECT_EQ(back.puzzles[i].givens, puzzles[i].givens) << formatName(format);
            }
        }
    }
}

INSTANTIATE_TEST_SUITE_P(AllShapes, FormatsRoundTrip, testing::ValuesIn(kBoxShapes),
                         [](const auto& p) { return test::shapeName(p.param); });

// The puzzle every variant below holds, with its givens counted independently of the reader.
const std::string kPuzzle =
    ".2..........6....3.74.8.........3..2.8..4..1.6..5.........1.78.5....9..........4.";

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
        {"line with a rating", "  " + kPuzzle + "  ER 6.6/1.2/1.2 # hard\r\n", PuzzleFormat::Line},
        {"line with other markers",
         "*2__________6____3*74*8*********3**2*8**4**1*6**5*********1*78*5****9**********4*",
         PuzzleFormat::Line},
        {"tagged", "3x3:" + kPuzzle, PuzzleFormat::Tagged},
    };
}

TEST(FormatsRealWorld, EveryVariantReadsTheSamePuzzle) {
    for (const Variant& v : variants()) {
        const ReadResult read = readPuzzles(v.text);
        ASSERT_TRUE(read.ok()) << v.name << ": " << readErrorMessage(*read.error, 0);
        ASSERT_EQ(read.puzzles.size(), 1U) << v.name;
        EXPECT_EQ(read.puzzles[0].givens, test::valuesOf(kPuzzle)) << v.name;
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
    EXPECT_EQ(p.givens, test::valuesOf(kPuzzle));
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
        test::valuesOf(
            ".2....56....6....3.74.8.........3..2.8..4..1.6..5.........1.78.5....9..........4."));
    ASSERT_TRUE(p.candidates);
    EXPECT_EQ((*p.candidates)[0], 0b110000101U);   // 1389
    EXPECT_EQ((*p.candidates)[1], 0b000000010U);   // the given 2
    EXPECT_EQ((*p.candidates)[80], 0b100110001U);  // 1569
}

constexpr std::string_view kTwelve =
    "8.....235.1....2..8.6..7..9B...A.2.....85.0.....2.06.84......9..A..2.3..3AB.0..5......7....."
    "..A3...5..7.01..B6.....4.92.A..372....5..1........7.";

// The puzzle as 12 rows: `gap` between groups of `group` cells, `bandBreak` after every `band`
// rows (0: none).
std::string grid(int group, const std::string& gap, int band, const std::string& bandBreak) {
    std::string text;
    for (int row = 0; row < 12; ++row) {
        if (band > 0 && row > 0 && row % band == 0) text += bandBreak + "\n";
        for (int col = 0; col < 12; ++col) {
            if (group > 0 && col > 0 && col % group == 0) text += gap;
            text += kTwelve[static_cast<std::size_t>(row * 12 + col)];
        }
        text += "\n";
    }
    return text;
}

struct Case {
    const char* name;
    std::string text;
    std::optional<BoxShape> box;       // the caller's
    std::optional<BoxShape> expected;  // none: ambiguous
};

TEST(FormatsTwelve, TheTextTheCallerOrNeitherTellsTheBoxes) {
    const BoxShape threeByFour{3, 4};
    const BoxShape twoBySix{2, 6};
    const std::string line(kTwelve);
    const std::vector<Case> cases{
        {"bare line", line, std::nullopt, std::nullopt},
        {"bare line, caller 2x6", line, twoBySix, twoBySix},
        {"bare line, caller 3x4", line, threeByFour, threeByFour},
        {"bare line, caller 3x3", line, BoxShape{3, 3}, std::nullopt},
        {"tag", "3x4:" + line, std::nullopt, threeByFour},
        {"tag beats caller", "2X6:" + line, threeByFour, twoBySix},
        {"plain grid", grid(0, "", 0, ""), std::nullopt, std::nullopt},
        {"plain grid, caller", grid(0, "", 0, ""), twoBySix, twoBySix},
        {"blank groups of 4", grid(4, " ", 0, ""), std::nullopt, threeByFour},
        {"blank groups of 6", grid(6, "  ", 0, ""), std::nullopt, twoBySix},
        {"blank line every 2 rows", grid(0, "", 2, ""), std::nullopt, twoBySix},
        {"bars every 4 beat caller", grid(4, "|", 3, "----+----+----"), twoBySix, threeByFour},
        {"bands of 2 and bars of 6", grid(6, "|", 2, "------+------"), std::nullopt, twoBySix},
        {"bars and bands disagree", grid(4, "|", 2, "----+----+----"), twoBySix, twoBySix},
    };
    for (const Case& c : cases) {
        ReadOptions options;
        options.box = c.box;
        const ReadResult read = readPuzzles("# a 12x12\n" + c.text, options);
        if (!c.expected) {
            ASSERT_FALSE(read.ok()) << c.name;
            EXPECT_EQ(read.error->code, ReadErrorCode::AmbiguousShape) << c.name;
            EXPECT_EQ(read.error->line, 2) << c.name;
            EXPECT_NE(readErrorMessage(*read.error, 0).find("3x4 or 2x6"), std::string::npos);
            continue;
        }
        ASSERT_TRUE(read.ok()) << c.name << ": " << readErrorMessage(*read.error, 0);
        EXPECT_EQ(read.puzzles.at(0).shape, *c.expected) << c.name;
        EXPECT_EQ(read.puzzles.at(0).givens.size(), 144U) << c.name;
    }
}

struct Refusal {
    const char* name;
    std::string text;
    ReadErrorCode code;
    int line;
    int column = 0;
};

std::string rows(int count, const std::string& row) {
    std::string text;
    for (int i = 0; i < count; ++i)
        text += row + "\n";
    return text;
}

TEST(FormatsRefusal, ReasonAndLine) {
    const std::string line81(81, '.');
    const std::string sukaku = std::string("2") + std::string(728, '.');
    const std::vector<Refusal> refusals{
        {"paragraph", "Sudoku is a logic puzzle.\nFill every row.\n", ReadErrorCode::NotAPuzzle, 1},
        {"comments only", "# nothing\n\n  \n#Cstill nothing\n", ReadErrorCode::NoPuzzle, 0},
        {"empty", "", ReadErrorCode::NoPuzzle, 0},
        {"7x7 grid", rows(7, "1234567"), ReadErrorCode::UnsupportedSize, 1},
        {"two sizes mixed", "\n123456789\n12345678\n", ReadErrorCode::RowLength, 3},
        {"grid cut short", "\n" + rows(8, "..3.2.6.."), ReadErrorCode::IncompleteGrid, 2},
        {"letter in a 9x9 line", line81.substr(0, 40) + "A" + line81.substr(41),
         ReadErrorCode::BadCharacter, 1, 41},
        {"80 characters", line81.substr(1), ReadErrorCode::WrongLength, 1},
        {"unknown tag", "5x5:" + line81, ReadErrorCode::BadTag, 1},
        {"tag and length disagree", "#\n3x4:" + line81, ReadErrorCode::TagLength, 2},
        {"candidate out of place", sukaku, ReadErrorCode::BadCandidate, 1, 1},
        {"pencil-mark cell", "| 12 34 | 1 2 |\n| 1x 2 | 3 4 |\n", ReadErrorCode::BadCell, 2, 1},
        {"letter in a 10x10 grid", rows(9, "1234567890") + "12345678.X\n",
         ReadErrorCode::BadCharacter, 10, 10},
    };
    for (const Refusal& r : refusals) {
        const ReadResult read = readPuzzles(r.text);
        ASSERT_FALSE(read.ok()) << r.name;
        EXPECT_TRUE(read.puzzles.empty()) << r.name;
        EXPECT_EQ(read.error->code, r.code) << r.name << ": " << readErrorMessage(*read.error, 0);
        EXPECT_EQ(read.error->line, r.line) << r.name;
        if (r.column != 0) {
            EXPECT_EQ(read.error->column, r.column) << r.name;
        }
    }
}

TEST(FormatsRefusal, LimitsAndElementCharacters) {
    const std::string big(kMaxExchangeTextBytes + 1, '.');
    EXPECT_EQ(readPuzzles(big).error->code, ReadErrorCode::TooLarge);
    EXPECT_EQ(readPuzzles(big.substr(1)).error->code, ReadErrorCode::WrongLength);
    for (const char* elements : {"12.4", "1231", "abcA", "12 4", "1|34"}) {
        ReadOptions options;
        options.elements = elements;
        EXPECT_EQ(readPuzzles("1234", options).error->code, ReadErrorCode::BadElements) << elements;
    }
}

TEST(FormatsRefusal, EveryReasonInThreeLanguages) {
    for (int code = 0; code <= static_cast<int>(ReadErrorCode::AmbiguousShape); ++code) {
        const ReadError error{static_cast<ReadErrorCode>(code), 17, 3, 8, 9, "'x'"};
        const std::string english = readErrorMessage(error, 0);
        const std::string german = readErrorMessage(error, 1);
        const std::string french = readErrorMessage(error, 2);
        EXPECT_FALSE(english.empty()) << code;
        EXPECT_NE(english, german) << code;
        EXPECT_NE(english, french) << code;
        EXPECT_NE(german, french) << code;
        for (const std::string& text : {english, german, french}) {
            EXPECT_EQ(text.find('{'), std::string::npos) << text;
            if (english.find("17") != std::string::npos) {
                EXPECT_NE(text.find("17"), std::string::npos) << text;
            }
        }
    }
}

}  // namespace
}  // namespace velmora
