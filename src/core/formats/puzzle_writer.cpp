#include "formats/puzzle_writer.h"

namespace velmora {

std::string writePuzzle(const ExchangePuzzle& puzzle, PuzzleFormat format,
                        const WriteOptions& options) {
    switch (format) {
        case PuzzleFormat::Line:
            return writeLine(puzzle, options);
        case PuzzleFormat::Tagged:
            return writeTagged(puzzle, options);
        case PuzzleFormat::Grid:
        case PuzzleFormat::Sdk:
            return writeGrid(puzzle, options);
        case PuzzleFormat::Bordered:
            return writeBordered(puzzle, options);
        case PuzzleFormat::PencilMarks:
            return writePencilMarks(puzzle, options);
        case PuzzleFormat::Candidates:
            return writeCandidates(puzzle, options);
    }
    return {};
}

std::string writePuzzles(std::span<const ExchangePuzzle> puzzles, PuzzleFormat format,
                         const WriteOptions& options) {
    const bool oneLine = format == PuzzleFormat::Line || format == PuzzleFormat::Tagged ||
                         format == PuzzleFormat::Candidates;
    std::string text;
    for (const ExchangePuzzle& puzzle : puzzles) {
        if (!oneLine && !text.empty()) text += '\n';
        text += writePuzzle(puzzle, format, options);
    }
    return text;
}

}  // namespace velmora
