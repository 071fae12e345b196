// The command line with a verb that lives outside its own library: the book verb needs Qt, which
// every other verb does without, so the program that has it hands it in.
#pragma once

#include <functional>
#include <iosfwd>
#include <string>
#include <vector>

#include "options.h"

namespace velmora::cli {

using VerbRunner = std::function<int(const Options& options, std::istream& in, std::ostream& out,
                                     std::ostream& err, bool errIsTerminal)>;

// runCli, with `book` running the book verb; without one, book says it was not built and exits
// with status 2.
int runCliWithBook(const std::vector<std::string>& args, std::istream& in, std::ostream& out,
                   std::ostream& err, bool errIsTerminal, const VerbRunner& book);

}  // namespace velmora::cli
