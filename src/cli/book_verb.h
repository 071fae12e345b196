// The book verb: a puzzle book as a PDF, from new puzzles made as `generate` makes them or from
// a file of puzzles.
#pragma once

#include <iosfwd>

#include "options.h"

namespace velmora::cli {

// Writes the book to options.out. Exit status 0 written, 1 the file could not be written or no
// puzzle came (a malformed input, a level not reached), 2 a page count the grids do not fit.
// Progress goes to `err` when showProgress.
int bookVerb(const Options& options, std::istream& in, std::ostream& out, std::ostream& err,
             bool showProgress);

}  // namespace velmora::cli
