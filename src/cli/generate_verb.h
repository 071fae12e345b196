#pragma once

#include <iosfwd>

#include "options.h"

namespace velmora::cli {

// Prints options.count new puzzles, one per line, made as the Generate command makes them.
// With showProgress the status texts go to `err` as a one-line display.
int generateVerb(const Options& options, std::ostream& out, std::ostream& err, bool showProgress);

}  // namespace velmora::cli
