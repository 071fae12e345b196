// Conversion between the core's UTF-8 text and the single-byte Latin-1 of save files.
#pragma once

#include <string>
#include <string_view>

namespace velmora {

// Each character above U+00FF, and each malformed UTF-8 sequence, becomes one '?'.
std::string utf8ToLatin1(std::string_view utf8);

// Every byte is a character; bytes from 0x80 up take two UTF-8 bytes.
std::string latin1ToUtf8(std::string_view latin1);

}  // namespace velmora
