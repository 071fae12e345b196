// The command line with the book verb, for builds that have Qt.
#include <unistd.h>

#include <iostream>
#include <string>
#include <vector>

#include "book_verb.h"
#include "verb_runner.h"

int main(int argc, char** argv) {
    std::ios::sync_with_stdio(false);
    const std::vector<std::string> args(argv + 1, argv + argc);
    return velmora::cli::runCliWithBook(args, std::cin, std::cout, std::cerr, isatty(2) != 0,
                                        velmora::cli::bookVerb);
}
