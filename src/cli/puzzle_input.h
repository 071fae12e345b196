// The puzzles of a command line's input, in any of the formats the program reads: one-line,
// tagged and candidate lines (one puzzle a line), plain, bordered, .sdk and pencil-mark grids
// (one a file, or blocks separated by blank lines), or a save file.
#pragma once

#include <functional>
#include <iosfwd>
#include <string>

#include "formats/exchange_puzzle.h"
#include "formats/puzzle_reader.h"
#include "options.h"

namespace velmora {
class Workbench;
}

namespace velmora::cli {

struct InputPuzzle {
    ExchangePuzzle puzzle;
    std::string elements;   // the element characters, one Latin-1 byte each
    bool saveFile = false;  // loaded from a save file into the caller's workbench
};

// Hands every puzzle of `in` to `each`, in order. In a file of one-line puzzles a malformed line
// prints "error" on `out` and why on `err`, and the other lines are still read; a grid text or a
// save file that cannot be read prints "error" and why once. Returns 1 when anything was
// malformed, else 0.
// A save file is loaded into `workbench` when one is given (a workbench of its own otherwise).
int forEachPuzzle(const Options& options, std::istream& in, std::ostream& out, std::ostream& err,
                  const std::function<void(const InputPuzzle&)>& each,
                  Workbench* workbench = nullptr);

// The options the reader takes from the command line: --box for a 12x12 that does not say its
// boxes, the file's extension, --singles-as-givens.
ReadOptions readOptionsFor(const Options& options);

}  // namespace velmora::cli
