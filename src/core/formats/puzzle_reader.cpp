#include "formats/puzzle_reader.h"

#include <algorithm>
#include <array>
#include <utility>

#include "formats/element_set.h"
#include "formats/grid_reading.h"
#include "formats/grid_sides.h"
#include "formats/line_reading.h"
#include "formats/text_lines.h"

namespace velmora {

namespace {

using Metadata = std::vector<std::pair<std::string, std::string>>;

constexpr std::array<std::pair<char, std::string_view>, 7> kHeaderKeys{{
    {'A', "author"},
    {'D', "description"},
    {'C', "comment"},
    {'B', "date"},
    {'S', "source"},
    {'L', "level"},
    {'U', "address"},
}};

// An .sdk header line "#Xvalue"; any other '#' line is a comment.
void addHeader(std::string_view line, Metadata& metadata) {
    if (line.size() < 2) return;
    for (const auto& [letter, key] : kHeaderKeys)
        if (line[1] == letter)
            metadata.emplace_back(std::string(key), std::string(trimBlanks(line.substr(2))));
}

struct Outcome {
    std::optional<ExchangePuzzle> puzzle;
    ReadError error;
    std::size_t next = 0;
};

Outcome fault(ReadError error, int line) {
    error.line = line;
    return {std::nullopt, std::move(error), 0};
}

bool hinted(const ReadOptions& options, std::initializer_list<PuzzleFormat> formats) {
    return options.hint &&
           std::find(formats.begin(), formats.end(), *options.hint) != formats.end();
}

bool callerSide(const ReadOptions& options, int n) {
    return options.box && options.box->n() == n;
}

// A puzzle line or candidate line of side n whose box shape is `shape`.
Outcome readField(std::string_view field, BoxShape shape, PuzzleFormat format,
                  const ReadOptions& options, int line) {
    ExchangePuzzle puzzle;
    puzzle.shape = shape;
    puzzle.format = format;
    const ElementSet elements(options.elements, shape.n());
    std::optional<ReadError> error;
    if (static_cast<int>(field.size()) == shape.cellCount()) {
        error = readPuzzleField(field, elements, puzzle.givens);
    } else {
        puzzle.format = PuzzleFormat::Candidates;
        puzzle.candidates.emplace();
        error = readCandidateField(field, elements, options.singlesAsGivens, puzzle.givens,
                                   *puzzle.candidates);
    }
    if (error) return fault(*error, line);
    return {std::move(puzzle), {}, 0};
}

Outcome readTagged(const LineTag& tag, const ReadOptions& options, int line) {
    const BoxShape shape{tag.rows, tag.cols};
    if (std::find(kBoxShapes.begin(), kBoxShapes.end(), shape) == kBoxShapes.end())
        return fault({ReadErrorCode::BadTag, 0, 0, 0, 0, std::string(tag.tag)}, line);
    const std::string_view field = firstField(tag.rest);
    const auto cells = static_cast<std::size_t>(shape.cellCount());
    if (field.size() != cells && field.size() != cells * static_cast<std::size_t>(shape.n())) {
        return fault({ReadErrorCode::TagLength, 0, 0, static_cast<int>(field.size()),
                      shape.cellCount(), std::string(tag.tag)},
                     line);
    }
    return readField(field, shape, PuzzleFormat::Tagged, options, line);
}

// An untagged one-line field of side n, a candidate line when `candidates`.
Outcome readUntagged(std::string_view field, int n, bool candidates, const ReadOptions& options,
                     int line) {
    const std::optional<BoxShape> shape = resolveShape(n, {}, options.box);
    if (!shape) return fault({ReadErrorCode::AmbiguousShape, 0, 0, 0, 0, {}}, line);
    return readField(field, *shape, candidates ? PuzzleFormat::Candidates : PuzzleFormat::Line,
                     options, line);
}

int largestGiven(const ExchangePuzzle& puzzle) {
    return *std::max_element(puzzle.givens.begin(), puzzle.givens.end());
}

// 16 characters: a 4x4 puzzle line or the first row of a 16x16 grid. The grid is taken when
// its rows make one that uses more than four elements, or make one at all and a grid format is
// hinted or the line is no 4x4 puzzle; a line hint reads a line without trying. The caller's box
// has no say: a window at 16x16 must still open a file of 4x4 lines.
Outcome readSixteen(std::span<const TextLine> lines, std::size_t i, std::string_view field,
                    const ReadOptions& options) {
    const bool lineHint =
        hinted(options, {PuzzleFormat::Line, PuzzleFormat::Tagged, PuzzleFormat::Candidates});
    const bool gridHint = options.hint && !lineHint;
    std::optional<GridOutcome> grid;
    if (!lineHint) {
        grid = readGrid(lines, i, options);
        if (grid->puzzle && (largestGiven(*grid->puzzle) > 4 || gridHint))
            return {std::move(grid->puzzle), {}, grid->next};
        if (!grid->puzzle && gridHint) return {std::nullopt, grid->error, 0};
    }
    Outcome line = readUntagged(field, 4, false, options, lines[i].number);
    line.next = i + 1;
    if (line.puzzle || !grid) return line;
    return {std::move(grid->puzzle), std::move(grid->error), grid->next};
}

// 64 characters: an 8x8 puzzle line or a 4x4 candidate line. Candidates when the characters fit
// that layout and the hint or box says so, or, with neither, when every cell has a candidate.
bool sixtyFourAreCandidates(std::string_view field, const ReadOptions& options) {
    const CandidateFit fit = candidateFit(field, ElementSet(options.elements, 4));
    if (!fit.layout) return false;
    if (hinted(options, {PuzzleFormat::Candidates})) return true;
    if (hinted(options, {PuzzleFormat::Line, PuzzleFormat::Tagged})) return false;
    if (callerSide(options, 4)) return true;
    if (callerSide(options, 8)) return false;
    return fit.everyCellHasOne;
}

// The puzzle whose text starts at lines[i], a line that is no blank, comment or border.
Outcome readPuzzleAt(std::span<const TextLine> lines, std::size_t i, const ReadOptions& options) {
    const std::string_view line = trimBlanks(lines[i].text);
    const int number = lines[i].number;
    if (const std::optional<LineTag> tag = parseLineTag(line)) {
        Outcome out = readTagged(*tag, options, number);
        out.next = i + 1;
        return out;
    }
    const std::string_view field = firstField(line);
    const bool structured = field.find_first_of("|!()") != std::string_view::npos;
    const int lineSide = sideOfCellCount(field.size());
    const int candidateSide = sideOfCandidateCount(field.size());
    if (!structured && field.size() == 16) return readSixteen(lines, i, field, options);
    if (!structured && (lineSide != 0 || candidateSide != 0)) {
        const bool candidates =
            candidateSide != 0 && (lineSide == 0 || sixtyFourAreCandidates(field, options));
        Outcome out =
            readUntagged(field, candidates ? candidateSide : lineSide, candidates, options, number);
        out.next = i + 1;
        return out;
    }
    if (!structured && field.size() > static_cast<std::size_t>(kMaxDim)) {
        const ElementSet largest(options.elements, kMaxDim);
        const bool foreign =
            std::any_of(field.begin(), field.end(), [&](char c) { return largest.valueOf(c) < 0; });
        if (foreign) return fault({ReadErrorCode::NotAPuzzle, 0, 0, 0, 0, {}}, number);
        return fault({ReadErrorCode::WrongLength, 0, 0, static_cast<int>(field.size()), 0, {}},
                     number);
    }
    GridOutcome grid = readGrid(lines, i, options);
    return {std::move(grid.puzzle), std::move(grid.error), grid.next};
}

}  // namespace

ReadResult readPuzzles(std::string_view text, const ReadOptions& options) {
    ReadResult result;
    if (text.size() > kMaxExchangeTextBytes) {
        result.error = ReadError{ReadErrorCode::TooLarge, 0, 0, 0, 0, {}};
        return result;
    }
    if (!isUsableElementString(options.elements)) {
        result.error = ReadError{ReadErrorCode::BadElements, 0, 0, 0, 0, options.elements};
        return result;
    }
    const std::string normalized = normalizedText(text);
    const std::vector<TextLine> lines = splitLines(normalized);
    Metadata headers;
    for (std::size_t i = 0; i < lines.size();) {
        const std::string_view line = trimBlanks(lines[i].text);
        if (line.empty() || line.front() == '#' || isRuleLine(line)) {
            if (!line.empty() && line.front() == '#') addHeader(line, headers);
            ++i;
            continue;
        }
        Outcome out = readPuzzleAt(lines, i, options);
        if (!out.puzzle) {
            result.puzzles.clear();
            result.error = std::move(out.error);
            return result;
        }
        ExchangePuzzle& puzzle = *out.puzzle;
        const bool sdk = hinted(options, {PuzzleFormat::Sdk});
        if (puzzle.format == PuzzleFormat::Grid && (sdk || !headers.empty()))
            puzzle.format = PuzzleFormat::Sdk;
        const bool grid = puzzle.format != PuzzleFormat::Line &&
                          puzzle.format != PuzzleFormat::Tagged &&
                          puzzle.format != PuzzleFormat::Candidates;
        if (grid || sdk) puzzle.metadata = std::move(headers);
        headers.clear();
        result.puzzles.push_back(std::move(puzzle));
        i = out.next;
    }
    if (result.puzzles.empty()) result.error = ReadError{ReadErrorCode::NoPuzzle, 0, 0, 0, 0, {}};
    return result;
}

}  // namespace velmora
