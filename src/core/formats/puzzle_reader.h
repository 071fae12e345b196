// Reads puzzles from text in any of the exchange formats, recognised by content.
//
// The box shape follows from the number of cells, except for 12x12 (3x4 or 2x6 boxes): there a
// tag ("3x4:"), the grid's borders, blank groups or band breaks, or else the caller's box tell
// them apart, and when none does the read fails with AmbiguousShape so the caller can ask.
// A text holds one or more one-line puzzles (line, tagged, candidate line; one per line, '#'
// lines are comments) or grids (one after another, blank lines allowed), and may mix them.
// Any fault fails the whole read with the line at fault.
#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "formats/exchange_puzzle.h"
#include "formats/puzzle_format.h"
#include "formats/read_error.h"
#include "model/box_shape.h"

namespace velmora {

// Longer texts are refused unread.
inline constexpr std::size_t kMaxExchangeTextBytes = std::size_t{1} << 20;

struct ReadOptions {
    // The box the caller offers (command line --box, the window's current size): used for a
    // 12x12 whose text does not say its boxes, ignored for other sides.
    std::optional<BoxShape> box;
    // The format a file extension promises: settles what the content leaves open (a 16-character
    // line as a 4x4 puzzle or a 16x16 grid row, 64 characters as an 8x8 puzzle or 4x4
    // candidates); the content decides everything else.
    std::optional<PuzzleFormat> hint;
    // In a candidate line, a cell with one candidate is a given rather than a pencil mark.
    bool singlesAsGivens = false;
    // The element characters, the first N used for a side-N puzzle, matched ignoring case;
    // empty means kDefaultElements. A puzzle larger than the string is refused.
    std::string elements;
};

struct ReadResult {
    std::vector<ExchangePuzzle> puzzles;  // empty when the read failed
    std::optional<ReadError> error;
    bool ok() const { return !error.has_value(); }
};

ReadResult readPuzzles(std::string_view text, const ReadOptions& options = {});

}  // namespace velmora
