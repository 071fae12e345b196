// The conversions between the program's UTF-8 texts and the Latin-1 bytes of save files.
#include "texts/latin1.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <random>
#include <string>

#include "texts/language_tables.h"

namespace velmora {
namespace {

TEST(Latin1Test, ConvertsWhatLatin1HoldsAndKeepsAsciiAndNulBytes) {
    for (const std::string& same :
         {std::string(), std::string("Sudoku 123,ABC - ok?\t\r\n"), std::string("a\0b", 3)}) {
        EXPECT_EQ(utf8ToLatin1(same), same);
        EXPECT_EQ(latin1ToUtf8(same), same);
    }
    EXPECT_EQ(utf8ToLatin1("Cr\u00e9er \u00a0\u00ff"),
              "Cr\xe9"
              "er \xa0\xff");
    std::string all;
    for (int b = 0; b < 256; ++b)
        all.push_back(static_cast<char>(b));
    const std::string utf8 = latin1ToUtf8(all);
    EXPECT_EQ(utf8.size(), 128U + 2U * 128U);
    EXPECT_EQ(utf8ToLatin1(utf8), all);
    // Every French text survives the way to disk and back.
    for (const ControlTexts& row : languageTable(2)) {
        for (std::string_view text : {row.caption, row.toolTip.value_or("")}) {
            const std::string latin1 = utf8ToLatin1(text);
            EXPECT_EQ(latin1.find('?'), std::string::npos) << row.control;
            EXPECT_EQ(latin1ToUtf8(latin1), text) << row.control;
        }
    }
}

TEST(Latin1Test, EachCharacterOrBrokenByteLatin1LacksBecomesOneQuestionMark) {
    const std::pair<const char*, const char*> cases[] = {
        {"\u0100", "?"},
        {"5 \u20ac", "5 ?"},
        {"a\U0001F600b", "a?b"},
        {"\U0010FFFF", "?"},
        // Stray continuation bytes and bytes that never lead.
        {"\x80", "?"},
        {"a\xbf"
         "b",
         "a?b"},
        {"\xff\xfe", "??"},
        {"\xf5\x80\x80\x80", "????"},
        // Truncated sequences; the byte that breaks one starts the next character.
        {"ab\xc3", "ab?"},
        {"\xe2\x82", "?"},
        {"\xf0\x9f\x98", "?"},
        {"\xe2\x82"
         "A",
         "?A"},
        {"\xc3\xc3\xa9", "?\xe9"},
        // Overlong forms (an overlong '/' must not sneak through), surrogates, past U+10FFFF.
        {"\xc0\xaf", "??"},
        {"\xe0\x80\xaf", "???"},
        {"\xf0\x80\x80\xaf", "????"},
        {"\xed\xa0\x80", "???"},
        {"\xf4\x90\x80\x80", "????"},
    };
    for (const auto& [input, expected] : cases)
        EXPECT_EQ(utf8ToLatin1(input), expected) << ::testing::PrintToString(std::string(input));
}

TEST(Latin1Test, RandomBytesNeverGrowAndKeepAscii) {
    std::mt19937 random(20240611U);
    std::uniform_int_distribution<int> byte(0, 255);
    std::uniform_int_distribution<int> length(0, 12);
    for (int round = 0; round < 20000; ++round) {
        std::string input;
        for (int i = length(random); i > 0; --i)
            input.push_back(static_cast<char>(byte(random)));
        const std::string out = utf8ToLatin1(input);
        EXPECT_LE(out.size(), input.size());
        // Every ASCII byte comes through; every other question mark replaced something.
        const auto ascii = [](const std::string& s, bool questionMarks) {
            std::size_t count = 0;
            for (char c : s)
                count += static_cast<unsigned char>(c) < 0x80 && (questionMarks || c != '?');
            return count;
        };
        EXPECT_EQ(ascii(out, false) + std::count(input.begin(), input.end(), '?'),
                  ascii(input, true))
            << "round " << round;
    }
}

}  // namespace
}  // namespace velmora
