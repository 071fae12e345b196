#include "texts/messages.h"

#include <climits>
#include <string>

#include <gtest/gtest.h>

namespace velmora {
namespace {

constexpr int kEnglish = 0;
constexpr int kGerman = 1;
constexpr int kFrench = 2;

TEST(MessagesTest, NumbersOutsideTheCatalogueGiveEmptyText) {
    for (int language : {kEnglish, kGerman, kFrench}) {
        for (int number : {kMessageCount, 22, 23, 100, INT_MAX, -1, -22, INT_MIN}) {
            EXPECT_EQ(getMessage(number, language), "")
                << "number " << number << " language " << language;
        }
    }
}

TEST(MessagesTest, EveryNumberOfTheCatalogueHasTextInBothLanguages) {
    for (int number = 0; number < kMessageCount; ++number) {
        EXPECT_FALSE(getMessage(number, kEnglish).empty()) << number;
        EXPECT_FALSE(getMessage(number, kGerman).empty()) << number;
    }
}

TEST(MessagesTest, FrenchAndUnknownLanguagesGetEnglish) {
    for (int number = 0; number < kMessageCount; ++number) {
        const std::string english = getMessage(number, kEnglish);
        for (int language : {kFrench, -1, 3, 99, INT_MIN, INT_MAX}) {
            EXPECT_EQ(getMessage(number, language), english)
                << "number " << number << " language " << language;
        }
    }
}

TEST(MessagesTest, GermanDiffersWhereItHasItsOwnText) {
    EXPECT_EQ(getMessage(0, kEnglish), "Generating a new puzzle....");
    EXPECT_EQ(getMessage(0, kGerman), "Ein neues Sudoku entsteht ...");
    EXPECT_EQ(getMessage(13, kEnglish), "Solved!!");
    EXPECT_EQ(getMessage(13, kGerman), "Geloest - prima gemacht!");
}

TEST(MessagesTest, ReadyHasTwoDotsInEnglishAndThreeInGerman) {
    EXPECT_EQ(getMessage(5, kEnglish), "Ready ..");
    EXPECT_EQ(getMessage(5, kGerman), "Bereit ...");
}

TEST(MessagesTest, BothTurnMessagesShareOneGermanText) {
    EXPECT_EQ(getMessage(8, kEnglish), "Now its your turn..");
    EXPECT_EQ(getMessage(9, kEnglish), "Now its your turn again...");
    EXPECT_EQ(getMessage(8, kGerman), "Sie sind dran!");
    EXPECT_EQ(getMessage(9, kGerman), "Sie sind dran!");
}

TEST(MessagesTest, ThinkingStaysEnglishInGerman) {
    EXPECT_EQ(getMessage(1, kEnglish), "Thinking....");
    EXPECT_EQ(getMessage(1, kGerman), "Thinking....");
}

TEST(MessagesTest, SolveOutcomes) {
    EXPECT_EQ(getMessage(14, kGerman), "Unsolvable..");
    EXPECT_EQ(getMessage(15, kEnglish),
              "Multiple Solutions - use brute force or complex eliminations");
    EXPECT_EQ(getMessage(21, kGerman), "Solved- Well done!");
}

// Callers glue text in front of messages 2 and 3, relying on their exact starts.
TEST(MessagesTest, RejectedCharacterReadsWithoutBlankAfterColon) {
    EXPECT_EQ("X:" + getMessage(2, kEnglish), "X:is not a valid character for this puzzle");
}

TEST(MessagesTest, ElementCountMessageStartsWithBlank) {
    const std::string text = getMessage(3, kGerman);
    ASSERT_FALSE(text.empty());
    EXPECT_EQ(text.front(), ' ');
    EXPECT_EQ(std::to_string(9) + " " + getMessage(3, kEnglish),
              "9  characters needed for this puzzle");
}

}  // namespace
}  // namespace velmora
