// Grids: plain, bordered and pencil-mark, read from their first row to their last.
#pragma once

#include <cstddef>
#include <optional>
#include <span>

#include "formats/exchange_puzzle.h"
#include "formats/puzzle_reader.h"
#include "formats/read_error.h"
#include "formats/text_lines.h"

namespace velmora {

struct GridOutcome {
    std::optional<ExchangePuzzle> puzzle;  // Grid, Bordered or PencilMarks; empty on a fault
    ReadError error;
    std::size_t next = 0;  // the line after the grid's last row
};

// The grid whose first row is lines[start]. Its side is the first row's cell count; blank,
// '#' and border lines between rows are passed over, border lines and blank lines marking
// band breaks. Bars, blank groups and band breaks are the grid's evidence of its box shape.
GridOutcome readGrid(std::span<const TextLine> lines, std::size_t start,
                     const ReadOptions& options);

}  // namespace velmora
