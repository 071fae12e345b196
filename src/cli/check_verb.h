// The check verb: for every puzzle its verdict, its number of solutions up to a limit, the first
// solution and, for a puzzle without one, the givens that are likely typos.
#pragma once

#include <iosfwd>

#include "options.h"

namespace velmora::cli {

int checkVerb(const Options& options, std::istream& in, std::ostream& out, std::ostream& err);

}  // namespace velmora::cli
