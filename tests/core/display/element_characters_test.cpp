#include "display/element_characters.h"

#include <gtest/gtest.h>

namespace velmora {
namespace {

TEST(ElementCharactersTest, OnlyTheLengthCountsAndLettersAreRaised) {
    const ElementsCheck ok = checkElements("abcdefghi", "123456789");
    EXPECT_TRUE(ok.accepted);
    EXPECT_EQ(ok.elements, "ABCDEFGHI");
    const ElementsCheck repeated = checkElements("11 ,.-aaZ", "123456789");
    EXPECT_TRUE(repeated.accepted);
    EXPECT_EQ(repeated.elements, "11 ,.-AAZ");
}

TEST(ElementCharactersTest, WrongLengthKeepsTheOldString) {
    const ElementsCheck short8 = checkElements("12345678", "123456789");
    EXPECT_FALSE(short8.accepted);
    EXPECT_EQ(short8.elements, "123456789");
    EXPECT_FALSE(checkElements("", "1234").accepted);
}

TEST(ElementCharactersTest, AWideCharacterCountsAsOne) {
    const ElementsCheck c = checkElements(
        "\xc3\xa4"
        "bcd",
        "1234");
    EXPECT_TRUE(c.accepted);
    EXPECT_EQ(c.elements, "?BCD");
}

TEST(ElementCharactersTest, ComplaintHasTwoBlanksBeforeTheWord) {
    EXPECT_EQ(elementsNeededMessage(9, 0), "9  characters needed for this puzzle");
}

TEST(ElementCharactersTest, DefaultsAreDigitsThenZeroThenLetters) {
    EXPECT_EQ(defaultElements(4), "1234");
    EXPECT_EQ(defaultElements(16), "1234567890ABCDEF");
    EXPECT_EQ(defaultElements(18), "1234567890ABCDEFGH");
}

}  // namespace
}  // namespace velmora
