#include "formats/text_lines.h"

#include <cstdio>

namespace velmora {

std::string normalizedText(std::string_view text) {
    if (text.starts_with("\xEF\xBB\xBF")) text.remove_prefix(3);
    std::string out(text);
    for (std::size_t i = out.find("\xC2\xA0"); i != std::string::npos; i = out.find("\xC2\xA0", i))
        out.replace(i, 2, "  ");
    return out;
}

std::vector<TextLine> splitLines(std::string_view text) {
    std::vector<TextLine> lines;
    std::size_t start = 0;
    int number = 1;
    while (start < text.size()) {
        const std::size_t end = text.find_first_of("\r\n", start);
        if (end == std::string_view::npos) {
            lines.push_back({text.substr(start), number});
            break;
        }
        lines.push_back({text.substr(start, end - start), number++});
        start = end + 1;
        if (text[end] == '\r' && start < text.size() && text[start] == '\n') ++start;
    }
    return lines;
}

bool equalsIgnoringCase(std::string_view a, std::string_view b) {
    if (a.size() != b.size()) return false;
    for (std::size_t i = 0; i < a.size(); ++i)
        if (upperAscii(a[i]) != upperAscii(b[i])) return false;
    return true;
}

std::string_view trimBlanks(std::string_view s) {
    while (!s.empty() && isBlank(s.front()))
        s.remove_prefix(1);
    while (!s.empty() && isBlank(s.back()))
        s.remove_suffix(1);
    return s;
}

std::string_view firstField(std::string_view trimmed) {
    std::size_t end = 0;
    while (end < trimmed.size() && !isBlank(trimmed[end]))
        ++end;
    return trimmed.substr(0, end);
}

bool isRuleLine(std::string_view line) {
    constexpr std::string_view kBorder = "-=+*|!.':";
    std::size_t dashes = 0;
    std::size_t visible = 0;
    for (const char c : line) {
        if (isBlank(c)) continue;
        if (kBorder.find(c) == std::string_view::npos) return false;
        ++visible;
        if (c == '-' || c == '=') ++dashes;
    }
    return dashes > 0 && 2 * dashes >= visible;
}

std::string shownCharacter(char c) {
    const auto byte = static_cast<unsigned char>(c);
    if (byte > ' ' && byte < 0x7F) return std::string{'\'', c, '\''};
    char hex[8];
    std::snprintf(hex, sizeof hex, "0x%02X", static_cast<unsigned>(byte));
    return hex;
}

}  // namespace velmora
