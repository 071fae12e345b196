// Writes a puzzle in the exchange formats. Every writer ends its text with a line end, and every
// text reads back (readPuzzles, the same element characters) to the same shape and givens, and
// for pm and candidates the same candidates; a 12x12 always says its boxes.
//
// Pencil-mark grid cells: a placed value (a given) is its element alone ("5"); an open cell
// lists its candidates ("1389"), except that an open cell with one candidate or none is written
// in parentheses ("(5)", "()") so that it is not taken for a placed value. Without candidates
// an open cell lists every element.
#pragma once

#include <span>
#include <string>

#include "formats/exchange_puzzle.h"
#include "formats/puzzle_format.h"

namespace velmora {

struct WriteOptions {
    // The element characters, the first N used; kDefaultElements when empty, shorter than N or
    // not readable back (see isUsableElementString).
    std::string elements;
};

// N*N characters, '.' for an open cell; tagged for 12x12, and for an 8x8 that would read as
// 4x4 candidates.
std::string writeLine(const ExchangePuzzle& puzzle, const WriteOptions& options = {});
// "RxC:" and the line.
std::string writeTagged(const ExchangePuzzle& puzzle, const WriteOptions& options = {});
// N lines of N cells, a blank between boxes side by side.
std::string writeGrid(const ExchangePuzzle& puzzle, const WriteOptions& options = {});
// The grid framed in * - | + as Simple Sudoku's .ss files, one bar between boxes.
std::string writeBordered(const ExchangePuzzle& puzzle, const WriteOptions& options = {});
// The bordered grid with each cell's value or candidates, columns aligned.
std::string writePencilMarks(const ExchangePuzzle& puzzle, const WriteOptions& options = {});
// N*N*N characters, place k of a cell holding element k when a candidate, else '.'. A given
// is its one candidate. Tagged for 4x4 (else 64 characters read as 8x8) and 12x12.
std::string writeCandidates(const ExchangePuzzle& puzzle, const WriteOptions& options = {});

// Any format; Sdk, which is only read, writes the plain grid.
std::string writePuzzle(const ExchangePuzzle& puzzle, PuzzleFormat format,
                        const WriteOptions& options = {});
// Several puzzles: one-line forms one per line, grids separated by a blank line.
std::string writePuzzles(std::span<const ExchangePuzzle> puzzles, PuzzleFormat format,
                         const WriteOptions& options = {});

}  // namespace velmora
