// The command-line companion's verbs, callable with any streams so tests can drive them.
#pragma once

#include <iosfwd>
#include <string>
#include <vector>

namespace velmora::cli {

// Runs one command line (without the program name); returns the exit status. Progress displays
// go to `err` only when errIsTerminal.
int runCli(const std::vector<std::string>& args, std::istream& in, std::ostream& out,
           std::ostream& err, bool errIsTerminal = false);

}  // namespace velmora::cli
