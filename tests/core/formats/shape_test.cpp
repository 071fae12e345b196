// 12x12 puzzles, whose boxes are 3x4 or 2x6: told by a tag, the borders, blank groups or band
// breaks, else by the caller's box, else reported as ambiguous.
#include <gtest/gtest.h>

#include <optional>
#include <string>

#include "formats/puzzle_reader.h"
#include "texts/read_error_texts.h"

namespace velmora {
namespace {

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

}  // namespace
}  // namespace velmora
