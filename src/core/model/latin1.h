// Conversion between the core's UTF-8 text and the single-byte Latin-1 of save files.
#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace velmora {

// Each character above U+00FF, and each malformed UTF-8 sequence, becomes one '?'.
std::string utf8ToLatin1(std::string_view utf8);

// Every byte is a character; bytes from 0x80 up take two UTF-8 bytes.
std::string latin1ToUtf8(std::string_view latin1);

// One character of a UTF-8 text: its bytes, and its Latin-1 byte (0..255) or -1 when Latin-1 has
// no such character (or the bytes are no valid UTF-8).
struct Utf8Character {
    std::string_view bytes;
    int latin1 = -1;
};
std::vector<Utf8Character> utf8Characters(std::string_view utf8);

// The upper case of a Latin-1 character where Latin-1 has one (a to A, \xE4 to \xC4); any other
// character unchanged.
char upperLatin1(char c);

// Element characters as the program keeps them: one byte each, printable Latin-1 in upper case;
// a control character (which could break a save file's line) becomes '?'.
std::string elementCharacters(std::string_view latin1);

}  // namespace velmora
