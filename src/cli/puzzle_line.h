// The common one-line puzzle format: N*N characters, row by row, each an element character of
// the default element string or '.' for an empty cell ('0' too where it is not an element).
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace velmora {
class scells;
}

namespace velmora::cli {

struct PuzzleLine {
    std::vector<int> values;  // element numbers 1..N, 0 for an empty cell, row by row
    std::string error;        // why the line was refused; empty when it was read
};

// True for a line that holds no puzzle: blank, or a comment starting with '#'.
bool isSkippedLine(std::string_view line);

// Reads the first blank-separated field of a line as an N x N puzzle; anything after it (a
// solution, a rating) is ignored.
PuzzleLine readPuzzleLine(std::string_view line, int n);

// The refusal of a line longer than kMaxInputLineLength, which is not read at all.
PuzzleLine tooLongLine();

// Writes element numbers in the same format, '.' for empty cells.
std::string writePuzzleLine(const std::vector<int>& values, int n);

// The givens of a grid as element numbers, row by row, 0 for every other cell.
std::vector<int> gridGivens(const scells& grid);

}  // namespace velmora::cli
