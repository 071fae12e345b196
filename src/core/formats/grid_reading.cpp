#include "formats/grid_reading.h"

#include <algorithm>
#include <vector>

#include "formats/grid_row.h"
#include "formats/grid_sides.h"

namespace velmora {

namespace {

// What the first row says about the grid: how it reads and its side.
struct FirstRow {
    RowReading how = RowReading::Undecided;
    int n = 0;
};

// A character that belongs in no grid row of any side.
bool isForeign(char c, const ElementSet& largest) {
    return largest.valueOf(c) < 0 && c != '(' && c != ')';
}

std::optional<FirstRow> readFirstRow(const GridRow& row, const ElementSet& largest,
                                     ReadError& error) {
    error.code = ReadErrorCode::NotAPuzzle;
    if (row.tokens.empty()) return std::nullopt;  // bars alone
    for (const std::string_view token : row.tokens) {
        if (std::any_of(token.begin(), token.end(), [&](char c) { return isForeign(c, largest); }))
            return std::nullopt;
    }
    const auto chars = static_cast<int>(row.characters);
    const auto cells = static_cast<int>(row.tokens.size());
    FirstRow first;
    if (row.hasParenthesis) {
        first = {RowReading::Cells, cells};
    } else if (row.hasMarker) {
        first = {RowReading::Characters, chars};
    } else if (row.allSingles) {
        first = {RowReading::Undecided, cells};
    } else {
        // Runs of elements: grouped characters of a filled row, or candidate lists.
        const int charWidth = groupWidth(row, RowReading::Characters);
        const bool groupedChars = isGridSide(chars) && isBoxWidth(chars, charWidth) &&
                                  (!row.hasBars || cells == row.segments);
        const bool candidateLists =
            isGridSide(cells) &&
            (!row.hasBars || isBoxWidth(cells, groupWidth(row, RowReading::Cells)));
        if (groupedChars || !candidateLists) {
            first = {RowReading::Characters, chars};
        } else {
            first = {RowReading::Cells, cells};
        }
    }
    if (!isGridSide(first.n)) {
        error.code = ReadErrorCode::UnsupportedSize;
        error.found = first.n;
        return std::nullopt;
    }
    return first;
}

// How a later row reads while every row so far held only single elements.
RowReading settle(const GridRow& row, int n) {
    if (row.hasParenthesis) return RowReading::Cells;
    if (row.hasMarker) return RowReading::Characters;
    if (row.allSingles) return RowReading::Undecided;
    return static_cast<int>(row.tokens.size()) == n ? RowReading::Cells : RowReading::Characters;
}

// A row of single characters with an open cell ('0' where it is no element) is a plain row.
RowReading withOpenCells(const GridRow& row, RowReading how, const ElementSet& elements) {
    if (how != RowReading::Undecided) return how;
    for (const std::string_view token : row.tokens)
        if (elements.valueOf(token.front()) == 0) return RowReading::Characters;
    return how;
}

// A row of n '-' open cells, which a grid without bars may hold and a border would not.
bool isDashRow(std::string_view trimmed, int n, bool bars) {
    if (n == 0 || bars) return false;
    int dashes = 0;
    for (const char c : trimmed) {
        if (c == '-') {
            ++dashes;
        } else if (!isBlank(c)) {
            return false;
        }
    }
    return dashes == n;
}

// The box height the band breaks say: every band as high, or 0.
int bandHeight(const std::vector<int>& breaks, int n) {
    if (breaks.empty()) return 0;
    const int height = breaks.front();
    int previous = 0;
    for (const int b : breaks) {
        if (b - previous != height) return 0;
        previous = b;
    }
    return n - previous == height ? height : 0;
}

}  // namespace

GridOutcome readGrid(std::span<const TextLine> lines, std::size_t start,
                     const ReadOptions& options) {
    GridOutcome out;
    const ElementSet largest(options.elements, kMaxDim);
    std::optional<ElementSet> elements;
    RowReading how = RowReading::Undecided;
    int n = 0;
    int rows = 0;
    std::vector<int> givens;
    std::vector<std::uint32_t> masks;
    std::vector<int> breaks;
    bool breakPending = false;
    bool bars = false;
    bool rules = false;
    int width = 0;
    bool widthsDiffer = false;

    for (std::size_t j = start; j < lines.size(); ++j) {
        const std::string_view line = trimBlanks(lines[j].text);
        const int number = lines[j].number;
        if (line.empty() || line.front() == '#') {
            breakPending = breakPending || (line.empty() && rows > 0);
            continue;
        }
        if (isRuleLine(line) && !isDashRow(line, n, bars)) {
            breakPending = breakPending || rows > 0;
            rules = true;
            continue;
        }
        const GridRow row = splitGridRow(line);
        RowReading rowHow = how;
        if (rows == 0) {
            const std::optional<FirstRow> first = readFirstRow(row, largest, out.error);
            if (!first) {
                out.error.line = number;
                return out;
            }
            how = rowHow = first->how;
            n = first->n;
            elements.emplace(options.elements, n);
            givens.assign(static_cast<std::size_t>(n * n), 0);
            masks.assign(static_cast<std::size_t>(n * n), 0);
        } else if (how == RowReading::Undecided) {
            how = rowHow = settle(row, n);
        }
        how = rowHow = withOpenCells(row, rowHow, *elements);
        const std::size_t found = cellCount(row, rowHow);
        if (found != static_cast<std::size_t>(n)) {
            out.error = {ReadErrorCode::RowLength, number, 0, static_cast<int>(found), n, {}};
            return out;
        }
        const auto offset = static_cast<std::size_t>(rows * n);
        if (auto fault = readRowCells(row, rowHow, *elements, givens.data() + offset,
                                      masks.data() + offset)) {
            out.error = *fault;
            out.error.line = number;
            return out;
        }
        if (breakPending) breaks.push_back(rows);
        breakPending = false;
        bars = bars || row.hasBars;
        if (const int w = groupWidth(row, rowHow); w >= 2) {
            widthsDiffer = widthsDiffer || (width != 0 && w != width);
            width = w;
        }
        if (++rows < n) continue;

        const BorderEvidence evidence{widthsDiffer ? 0 : width, bandHeight(breaks, n)};
        const std::optional<BoxShape> shape = resolveShape(n, evidence, options.box);
        if (!shape) {
            out.error = {ReadErrorCode::AmbiguousShape, lines[start].number, 0, 0, 0, {}};
            return out;
        }
        ExchangePuzzle puzzle;
        puzzle.shape = *shape;
        puzzle.givens = std::move(givens);
        if (how == RowReading::Cells) {
            puzzle.format = PuzzleFormat::PencilMarks;
            puzzle.candidates = std::move(masks);
        } else {
            puzzle.format = bars || rules ? PuzzleFormat::Bordered : PuzzleFormat::Grid;
        }
        out.puzzle = std::move(puzzle);
        out.next = j + 1;
        return out;
    }
    out.error = {ReadErrorCode::IncompleteGrid, lines[start].number, 0, rows, n, {}};
    return out;
}

}  // namespace velmora
