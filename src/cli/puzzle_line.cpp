#include "puzzle_line.h"

#include <cctype>
#include <cstdio>

#include "line_reader.h"
#include "model/scells.h"
#include "model/size_options.h"

namespace velmora::cli {

namespace {
std::string_view trim(std::string_view s) {
    const auto first = s.find_first_not_of(" \t\r\n");
    if (first == std::string_view::npos) return {};
    const auto last = s.find_last_not_of(" \t\r\n");
    return s.substr(first, last - first + 1);
}
}  // namespace

bool isSkippedLine(std::string_view line) {
    const std::string_view t = trim(line);
    return t.empty() || t.front() == '#';
}

PuzzleLine readPuzzleLine(std::string_view line, int n) {
    PuzzleLine result;
    std::string_view field = trim(line);
    field = field.substr(0, field.find_first_of(" \t"));
    const std::size_t cells = static_cast<std::size_t>(n * n);
    if (field.size() != cells) {
        result.error = "expected " + std::to_string(cells) + " characters, found " +
                       std::to_string(field.size());
        return result;
    }
    const std::string_view elements =
        std::string_view(kDefaultElements).substr(0, static_cast<std::size_t>(n));
    const bool zeroIsEmpty = elements.find('0') == std::string_view::npos;
    result.values.reserve(cells);
    for (std::size_t i = 0; i < field.size(); ++i) {
        const char c = static_cast<char>(std::toupper(static_cast<unsigned char>(field[i])));
        if (c == '.' || (c == '0' && zeroIsEmpty)) {
            result.values.push_back(0);
            continue;
        }
        const auto position = elements.find(c);
        if (position == std::string_view::npos) {
            result.values.clear();
            const unsigned char raw = static_cast<unsigned char>(field[i]);
            char shown[8];
            std::snprintf(shown, sizeof shown, std::isprint(raw) ? "'%c'" : "0x%02X", raw);
            result.error = "character " + std::string(shown) + " at position " +
                           std::to_string(i + 1) + " is not an element of a " + std::to_string(n) +
                           "x" + std::to_string(n) + " puzzle";
            return result;
        }
        result.values.push_back(static_cast<int>(position) + 1);
    }
    return result;
}

PuzzleLine tooLongLine() {
    PuzzleLine result;
    result.error = "the line is longer than " + std::to_string(kMaxInputLineLength) + " characters";
    return result;
}

std::string writePuzzleLine(const std::vector<int>& values, int n) {
    std::string line;
    line.reserve(values.size());
    for (const int v : values)
        line += v >= 1 && v <= n ? kDefaultElements[v - 1] : '.';
    return line;
}

std::vector<int> gridGivens(const scells& grid) {
    std::vector<int> values(static_cast<std::size_t>(grid.cellCount()));
    for (int b = 0; b < grid.cellCount(); ++b) {
        const scell& cell = grid.getcellBigindex(b);
        values[static_cast<std::size_t>(b)] = cell.Original ? cell.Trying : 0;
    }
    return values;
}

}  // namespace velmora::cli
