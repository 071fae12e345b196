#include "model/latin1.h"

#include <algorithm>
#include <cstddef>
#include <cstdint>

namespace velmora {

namespace {

constexpr char kReplacement = '?';

bool isContinuation(std::uint8_t b) {
    return (b & 0xC0U) == 0x80U;
}

}  // namespace

std::string utf8ToLatin1(std::string_view utf8) {
    std::string out;
    out.reserve(utf8.size());
    const std::size_t n = utf8.size();
    std::size_t i = 0;
    while (i < n) {
        const auto lead = static_cast<std::uint8_t>(utf8[i]);
        if (lead < 0x80U) {
            out.push_back(static_cast<char>(lead));
            ++i;
            continue;
        }
        // Length and payload of the lead byte; C0, C1 and F5..FF never start a valid sequence.
        std::size_t length = 0;
        std::uint32_t code = 0;
        if (lead >= 0xC2U && lead <= 0xDFU) {
            length = 2;
            code = lead & 0x1FU;
        } else if (lead >= 0xE0U && lead <= 0xEFU) {
            length = 3;
            code = lead & 0x0FU;
        } else if (lead >= 0xF0U && lead <= 0xF4U) {
            length = 4;
            code = lead & 0x07U;
        } else {
            out.push_back(kReplacement);
            ++i;
            continue;
        }
        // The second byte's range also rules out overlong forms, surrogates and values past
        // U+10FFFF, so a decoded sequence is always a real character.
        std::uint8_t low = 0x80U;
        std::uint8_t high = 0xBFU;
        if (lead == 0xE0U) low = 0xA0U;
        if (lead == 0xEDU) high = 0x9FU;
        if (lead == 0xF0U) low = 0x90U;
        if (lead == 0xF4U) high = 0x8FU;

        std::size_t taken = 1;
        bool valid = true;
        while (taken < length) {
            if (i + taken >= n) {
                valid = false;
                break;
            }
            const auto b = static_cast<std::uint8_t>(utf8[i + taken]);
            const bool inRange = taken == 1 ? (b >= low && b <= high) : isContinuation(b);
            if (!inRange) {
                valid = false;
                break;
            }
            code = (code << 6U) | (b & 0x3FU);
            ++taken;
        }
        // A broken sequence costs one '?' for the bytes read so far; the byte that broke it
        // is read again as the start of the next character.
        if (!valid || code > 0xFFU) {
            out.push_back(kReplacement);
        } else {
            out.push_back(static_cast<char>(static_cast<std::uint8_t>(code)));
        }
        i += taken;
    }
    return out;
}

std::string latin1ToUtf8(std::string_view latin1) {
    std::string out;
    out.reserve(latin1.size() * 2);
    for (const char c : latin1) {
        const auto b = static_cast<std::uint8_t>(c);
        if (b < 0x80U) {
            out.push_back(c);
        } else {
            out.push_back(static_cast<char>(0xC0U | (b >> 6U)));
            out.push_back(static_cast<char>(0x80U | (b & 0x3FU)));
        }
    }
    return out;
}

std::vector<Utf8Character> utf8Characters(std::string_view utf8) {
    std::vector<Utf8Character> out;
    std::size_t i = 0;
    while (i < utf8.size()) {
        // Decoded alone, so a malformed sequence costs one byte and the rest still reads.
        std::size_t length = 1;
        const auto lead = static_cast<std::uint8_t>(utf8[i]);
        if (lead >= 0xC0U && lead < 0xE0U) {
            length = 2;
        } else if (lead >= 0xE0U && lead < 0xF0U) {
            length = 3;
        } else if (lead >= 0xF0U && lead < 0xF8U) {
            length = 4;
        }
        length = std::min(length, utf8.size() - i);
        const std::string_view bytes = utf8.substr(i, length);
        const std::string single = utf8ToLatin1(bytes);
        int latin1 = -1;
        if (single.size() == 1 && (single[0] != kReplacement || bytes == "?"))
            latin1 = static_cast<std::uint8_t>(single[0]);
        out.push_back({bytes, latin1});
        i += length;
    }
    return out;
}

char upperLatin1(char c) {
    const auto b = static_cast<std::uint8_t>(c);
    // a..z, and the accented small letters except the division sign; \xFF has no Latin-1 capital.
    if ((b >= 'a' && b <= 'z') || (b >= 0xE0U && b <= 0xFEU && b != 0xF7U))
        return static_cast<char>(b - 0x20U);
    return c;
}

std::string elementCharacters(std::string_view latin1) {
    std::string out;
    out.reserve(latin1.size());
    for (const char c : latin1) {
        const auto b = static_cast<std::uint8_t>(c);
        const bool printable = (b >= 0x20U && b < 0x7FU) || b >= 0xA0U;
        out += printable ? upperLatin1(c) : kReplacement;
    }
    return out;
}

}  // namespace velmora
