// The explain and rate verbs: every puzzle's path from its givens with the program's own rules,
// as sentences or script lines, and the difficulty rating read off it.
#pragma once

#include <iosfwd>

#include "options.h"

namespace velmora::cli {

int explainVerb(const Options& options, std::istream& in, std::ostream& out, std::ostream& err);
int rateVerb(const Options& options, std::istream& in, std::ostream& out, std::ostream& err);

}  // namespace velmora::cli
