#pragma once

#include <iosfwd>

#include "options.h"

namespace velmora::cli {

// Solves every puzzle of `in` as the Solve command would; returns the exit status.
int solveVerb(const Options& options, std::istream& in, std::ostream& out, std::ostream& err);

}  // namespace velmora::cli
