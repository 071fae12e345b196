// The status-message catalogue: English and German, English for every other language, and
// nothing outside its numbers.
#include "texts/messages.h"

#include <gtest/gtest.h>

#include <climits>
#include <string>

namespace velmora {
namespace {

TEST(MessagesTest, EveryNumberHasTextFrenchAndUnknownLanguagesGetEnglish) {
    for (int number = 0; number < kMessageCount; ++number) {
        const std::string english = getMessage(number, 0);
        EXPECT_FALSE(english.empty()) << number;
        EXPECT_FALSE(getMessage(number, 1).empty()) << number;
        for (int language : {2, -1, 3, INT_MIN, INT_MAX})
            EXPECT_EQ(getMessage(number, language), english) << number << " " << language;
    }
    for (int language : {0, 1, 2})
        for (int number : {kMessageCount, 22, 100, INT_MAX, -1, INT_MIN})
            EXPECT_EQ(getMessage(number, language), "") << number << " " << language;
}

// The texts no command test sees; where German keeps the English text, it must stay English.
TEST(MessagesTest, TextsThatMatterExactly) {
    EXPECT_EQ(getMessage(0, 1), "Ein neues Sudoku entsteht ...");
    for (int number : {1, 2, 3, 10, 11, 14, 16, 17, 18, 20, 21})
        EXPECT_EQ(getMessage(number, 1), getMessage(number, 0)) << number;
    // Callers glue text in front of messages 2 and 3.
    EXPECT_EQ(getMessage(2, 0), "is not a valid character for this puzzle");
    EXPECT_EQ(getMessage(3, 0), " characters needed for this puzzle");
}

}  // namespace
}  // namespace velmora
