// The one-line writers: line, tagged and candidate line.
#include <string>

#include "formats/element_set.h"
#include "formats/line_reading.h"
#include "formats/puzzle_writer.h"

namespace velmora {

namespace {

std::string tagOf(BoxShape shape) {
    return std::to_string(shape.rows) + "x" + std::to_string(shape.cols) + ":";
}

std::string puzzleField(const ExchangePuzzle& puzzle, const std::string& elements) {
    const int n = puzzle.shape.n();
    std::string field;
    field.reserve(puzzle.givens.size());
    for (const int v : puzzle.givens)
        field += v >= 1 && v <= n ? elements[static_cast<std::size_t>(v - 1)] : '.';
    return field;
}

}  // namespace

std::string writeLine(const ExchangePuzzle& puzzle, const WriteOptions& options) {
    const std::string elements = writingElements(options.elements, puzzle.shape.n());
    const std::string field = puzzleField(puzzle, elements);
    bool tagged = puzzle.shape.n() == 12;
    if (puzzle.shape.n() == 8) tagged = candidateFit(field, ElementSet(elements, 4)).layout;
    return (tagged ? tagOf(puzzle.shape) : std::string()) + field + "\n";
}

std::string writeTagged(const ExchangePuzzle& puzzle, const WriteOptions& options) {
    const std::string elements = writingElements(options.elements, puzzle.shape.n());
    return tagOf(puzzle.shape) + puzzleField(puzzle, elements) + "\n";
}

std::string writeCandidates(const ExchangePuzzle& puzzle, const WriteOptions& options) {
    const int n = puzzle.shape.n();
    const std::string elements = writingElements(options.elements, n);
    std::string text = n == 4 || n == 12 ? tagOf(puzzle.shape) : std::string();
    text.reserve(text.size() + puzzle.givens.size() * static_cast<std::size_t>(n) + 1);
    for (std::size_t cell = 0; cell < puzzle.givens.size(); ++cell) {
        const std::uint32_t mask = shownCandidates(puzzle, cell);
        for (std::size_t k = 0; k < elements.size(); ++k)
            text += (mask >> k) & 1U ? elements[k] : '.';
    }
    return text + "\n";
}

}  // namespace velmora
