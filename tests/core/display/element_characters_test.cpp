// The element-characters check in the cases the window tests do not reach.
#include "display/element_characters.h"

#include <gtest/gtest.h>

namespace velmora {
namespace {

TEST(ElementCharactersTest, OnlyTheLengthCountsAndAWideCharacterIsOne) {
    EXPECT_EQ(checkElements("11 ,.-aaZ", "123456789").elements, "11 ,.-AAZ");
    const ElementsCheck wide = checkElements(
        "\xc3\xa4"
        "bcd",
        "1234");
    EXPECT_TRUE(wide.accepted);
    EXPECT_EQ(wide.elements, "?BCD");
    EXPECT_FALSE(checkElements("", "1234").accepted);
    EXPECT_EQ(checkElements("", "1234").elements, "1234");
    EXPECT_EQ(defaultElements(4), "1234");
    EXPECT_EQ(defaultElements(16), "1234567890ABCDEF");
}

}  // namespace
}  // namespace velmora
