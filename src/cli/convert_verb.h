#pragma once

#include <iosfwd>

#include "options.h"

namespace velmora::cli {

// Moves puzzles between save files and the one-line format: a save file's givens are printed as
// one line (or, with --save, the file is written again as the program saves it); the first
// puzzle of a one-line file is written with --save as a save file, as the window saves it right
// after its givens were entered with the start-up settings.
int convertVerb(const Options& options, std::istream& in, std::ostream& out, std::ostream& err);

}  // namespace velmora::cli
