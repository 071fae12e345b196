// The puzzles of a command line's input, for the verbs that only read them: one-line puzzles, one
// per line, or the givens of a save file.
#pragma once

#include <functional>
#include <iosfwd>
#include <string>
#include <vector>

#include "model/box_shape.h"
#include "options.h"

namespace velmora::cli {

struct InputPuzzle {
    int lineNumber = 0;
    BoxShape shape;
    std::vector<int> givens;  // element numbers 1..N row by row, 0 for an empty cell
    std::string elements;     // the element characters, one Latin-1 byte each
};

// Hands every puzzle of `in` to `each`, in order. A malformed line prints "error" on `out` and
// "line N: reason" on `err`; a save file that cannot be loaded prints "error" and its message.
// Returns 1 when anything was malformed, else 0.
int forEachPuzzle(const Options& options, std::istream& in, std::ostream& out, std::ostream& err,
                  const std::function<void(const InputPuzzle&)>& each);

}  // namespace velmora::cli
