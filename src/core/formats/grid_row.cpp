#include "formats/grid_row.h"

#include <string>

#include "formats/text_lines.h"

namespace velmora {

GridRow splitGridRow(std::string_view trimmed) {
    GridRow row;
    int segment = 0;
    bool segmentUsed = false;
    std::size_t i = 0;
    while (i < trimmed.size()) {
        const char c = trimmed[i];
        if (isBlank(c)) {
            ++i;
        } else if (isVerticalBar(c)) {
            row.hasBars = true;
            if (segmentUsed) ++segment;
            segmentUsed = false;
            ++i;
        } else {
            const std::size_t start = i;
            while (i < trimmed.size() && !isBlank(trimmed[i]) && !isVerticalBar(trimmed[i])) {
                row.hasMarker = row.hasMarker || isEmptyMarker(trimmed[i]);
                row.hasParenthesis = row.hasParenthesis || trimmed[i] == '(' || trimmed[i] == ')';
                ++i;
            }
            row.tokens.push_back(trimmed.substr(start, i - start));
            row.segmentOf.push_back(segment);
            row.allSingles = row.allSingles && i - start == 1;
            row.characters += i - start;
            segmentUsed = true;
        }
    }
    row.segments = segmentUsed ? segment + 1 : segment;
    return row;
}

std::size_t cellCount(const GridRow& row, RowReading how) {
    return how == RowReading::Characters ? row.characters : row.tokens.size();
}

int groupWidth(const GridRow& row, RowReading how) {
    std::vector<std::size_t> groups;
    if (row.hasBars) {
        groups.assign(static_cast<std::size_t>(row.segments), 0);
        for (std::size_t t = 0; t < row.tokens.size(); ++t) {
            const auto segment = static_cast<std::size_t>(row.segmentOf[t]);
            groups[segment] += how == RowReading::Characters ? row.tokens[t].size() : 1;
        }
    } else if (how == RowReading::Characters) {
        for (const std::string_view token : row.tokens)
            groups.push_back(token.size());
    }
    if (groups.size() < 2) return 0;
    for (const std::size_t g : groups)
        if (g != groups.front()) return 0;
    return static_cast<int>(groups.front());
}

namespace {

ReadError badCell(ReadErrorCode code, std::size_t cell, const ElementSet& elements,
                  std::string text) {
    return ReadError{code, 0, static_cast<int>(cell + 1), 0, elements.n(), std::move(text)};
}

// "(…)" or a run of elements: the candidates it lists; none when a character is no element.
std::optional<std::uint32_t> candidateList(std::string_view token, const ElementSet& elements) {
    std::uint32_t mask = 0;
    for (const char c : token) {
        const int value = elements.valueOf(c);
        if (value <= 0) return std::nullopt;
        mask |= std::uint32_t{1} << (value - 1);
    }
    return mask;
}

}  // namespace

std::optional<ReadError> readRowCells(const GridRow& row, RowReading how,
                                      const ElementSet& elements, int* givens,
                                      std::uint32_t* masks) {
    std::size_t cell = 0;
    if (how == RowReading::Characters) {
        for (const std::string_view token : row.tokens) {
            for (const char c : token) {
                const int value = elements.valueOf(c);
                if (value < 0)
                    return badCell(ReadErrorCode::BadCharacter, cell, elements, shownCharacter(c));
                givens[cell++] = value;
            }
        }
        return std::nullopt;
    }
    for (const std::string_view token : row.tokens) {
        const bool listed = token.size() >= 2 && token.front() == '(' && token.back() == ')';
        const auto mask =
            candidateList(listed ? token.substr(1, token.size() - 2) : token, elements);
        if (!mask && how == RowReading::Undecided)
            return badCell(ReadErrorCode::BadCharacter, cell, elements, shownCharacter(token[0]));
        if (!mask) {
            constexpr std::size_t kShown = 24;
            std::string shown(token.substr(0, kShown));
            if (token.size() > kShown) shown += "...";
            return badCell(ReadErrorCode::BadCell, cell, elements, "\"" + shown + "\"");
        }
        const bool placed = !listed && token.size() == 1;
        givens[cell] = placed ? elements.valueOf(token.front()) : 0;
        masks[cell++] = *mask;
    }
    return std::nullopt;
}

}  // namespace velmora
