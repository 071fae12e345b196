// Text that holds no puzzle, or a broken one: refused with the reason and the line at fault, in
// every language.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "formats/puzzle_reader.h"
#include "texts/read_error_texts.h"

namespace velmora {
namespace {

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
