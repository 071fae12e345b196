#include "texts/latin1.h"

#include <cstddef>
#include <random>
#include <string>

#include <gtest/gtest.h>

#include "texts/language_tables.h"

namespace velmora {
namespace {

TEST(Latin1Test, EmptyStaysEmpty) {
    EXPECT_EQ(utf8ToLatin1(""), "");
    EXPECT_EQ(latin1ToUtf8(""), "");
}

TEST(Latin1Test, AsciiIsUnchanged) {
    const std::string ascii = "Sudoku 123,ABC - ok?\t\r\n";
    EXPECT_EQ(utf8ToLatin1(ascii), ascii);
    EXPECT_EQ(latin1ToUtf8(ascii), ascii);
}

TEST(Latin1Test, NulBytesAreKept) {
    const std::string withNul("a\0b", 3);
    EXPECT_EQ(utf8ToLatin1(withNul), withNul);
    EXPECT_EQ(latin1ToUtf8(withNul), withNul);
}

TEST(Latin1Test, AccentedLettersTakeOneByte) {
    EXPECT_EQ(utf8ToLatin1("Cr\u00e9er"),
              "Cr\xe9"
              "er");
    EXPECT_EQ(latin1ToUtf8("Cr\xe9"
                           "er"),
              "Cr\u00e9er");
    EXPECT_EQ(utf8ToLatin1("\u00a0\u00ff"), "\xa0\xff");
}

TEST(Latin1Test, EveryLatin1ByteRoundTrips) {
    std::string all;
    for (int b = 0; b < 256; ++b)
        all.push_back(static_cast<char>(b));
    const std::string utf8 = latin1ToUtf8(all);
    EXPECT_EQ(utf8.size(), 128U + 2U * 128U);
    EXPECT_EQ(utf8ToLatin1(utf8), all);
}

TEST(Latin1Test, FrenchTextsRoundTrip) {
    for (const ControlTexts& row : languageTable(2)) {
        for (std::string_view text : {row.caption, row.toolTip.value_or("")}) {
            const std::string latin1 = utf8ToLatin1(text);
            EXPECT_EQ(latin1.find('?'), std::string::npos) << row.control;
            EXPECT_EQ(latin1ToUtf8(latin1), text) << row.control;
        }
    }
    EXPECT_EQ(utf8ToLatin1(languageTable(2)[0].caption),
              "Cr\xe9"
              "er un nouveau puzzle");
}

TEST(Latin1Test, CharactersBeyondLatin1BecomeOneQuestionMark) {
    EXPECT_EQ(utf8ToLatin1("\u0100"), "?");
    EXPECT_EQ(utf8ToLatin1("5 \u20ac"), "5 ?");
    EXPECT_EQ(utf8ToLatin1("a\U0001F600b"), "a?b");
    EXPECT_EQ(utf8ToLatin1("\U0010FFFF"), "?");
}

TEST(Latin1Test, StrayAndInvalidLeadBytes) {
    EXPECT_EQ(utf8ToLatin1("\x80"), "?");
    EXPECT_EQ(utf8ToLatin1("a\xbf"
                           "b"),
              "a?b");
    EXPECT_EQ(utf8ToLatin1("\xff\xfe"), "??");
    EXPECT_EQ(utf8ToLatin1("\xf5\x80\x80\x80"), "????");
}

TEST(Latin1Test, TruncatedSequences) {
    EXPECT_EQ(utf8ToLatin1("\xc3"), "?");
    EXPECT_EQ(utf8ToLatin1("ab\xc3"), "ab?");
    EXPECT_EQ(utf8ToLatin1("\xe2\x82"), "?");
    EXPECT_EQ(utf8ToLatin1("\xf0\x9f\x98"), "?");
    // The byte that breaks a sequence starts the next character.
    EXPECT_EQ(utf8ToLatin1("\xc3"
                           "A"),
              "?A");
    EXPECT_EQ(utf8ToLatin1("\xe2\x82"
                           "A"),
              "?A");
    EXPECT_EQ(utf8ToLatin1("\xc3\xc3\xa9"), "?\xe9");
}

TEST(Latin1Test, OverlongFormsAreRejected) {
    // An overlong '/' must not sneak through as '/'.
    EXPECT_EQ(utf8ToLatin1("\xc0\xaf"), "??");
    EXPECT_EQ(utf8ToLatin1("\xc1\x81"), "??");
    EXPECT_EQ(utf8ToLatin1("\xe0\x80\xaf"), "???");
    EXPECT_EQ(utf8ToLatin1("\xf0\x80\x80\xaf"), "????");
}

TEST(Latin1Test, SurrogatesAndValuesPastUnicodeAreRejected) {
    EXPECT_EQ(utf8ToLatin1("\xed\xa0\x80"), "???");
    EXPECT_EQ(utf8ToLatin1("\xf4\x90\x80\x80"), "????");
}

TEST(Latin1Test, RandomBytesNeverGrowAndKeepAscii) {
    std::mt19937 random(20240611U);
    std::uniform_int_distribution<int> byte(0, 255);
    std::uniform_int_distribution<int> length(0, 12);
    for (int round = 0; round < 20000; ++round) {
        std::string input;
        const int n = length(random);
        for (int i = 0; i < n; ++i)
            input.push_back(static_cast<char>(byte(random)));
        const std::string out = utf8ToLatin1(input);
        EXPECT_LE(out.size(), input.size());
        std::size_t asciiIn = 0;
        std::size_t asciiOut = 0;
        for (char c : input)
            asciiIn += static_cast<unsigned char>(c) < 0x80 ? 1U : 0U;
        for (char c : out) {
            asciiOut += static_cast<unsigned char>(c) < 0x80 && c != '?' ? 1U : 0U;
        }
        std::size_t questionsIn = 0;
        for (char c : input)
            questionsIn += c == '?' ? 1U : 0U;
        EXPECT_EQ(asciiOut + questionsIn, asciiIn) << "round " << round;
    }
}

}  // namespace
}  // namespace velmora
