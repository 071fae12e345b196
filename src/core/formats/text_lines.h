// Text handling shared by the format readers and writers: lines, blanks, case and rule lines.
#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace velmora {

struct TextLine {
    std::string_view text;  // without its line end
    int number = 0;         // 1-based
};

// Text pasted from web pages and other programs: drops a leading UTF-8 byte-order mark and
// turns each no-break space (U+00A0) into two blanks, keeping every other byte.
std::string normalizedText(std::string_view text);

// The lines of `text` (views into it), ended by LF, CR LF or a lone CR.
std::vector<TextLine> splitLines(std::string_view text);

constexpr bool isBlank(char c) {
    return c == ' ' || c == '\t' || c == '\v' || c == '\f';
}
constexpr bool isVerticalBar(char c) {
    return c == '|' || c == '!';
}
constexpr char upperAscii(char c) {
    return c >= 'a' && c <= 'z' ? static_cast<char>(c - 32) : c;
}
constexpr char lowerAscii(char c) {
    return c >= 'A' && c <= 'Z' ? static_cast<char>(c + 32) : c;
}

bool equalsIgnoringCase(std::string_view a, std::string_view b);
std::string_view trimBlanks(std::string_view s);
// Everything up to the first blank of an already trimmed line.
std::string_view firstField(std::string_view trimmed);

// A line drawn only from border characters (- = + * | ! . ' :), at least half of them - or =,
// as grids are framed and split into bands.
bool isRuleLine(std::string_view line);

// A character as an error message shows it: 'c' when printable ASCII, else 0xNN.
std::string shownCharacter(char c);

}  // namespace velmora
