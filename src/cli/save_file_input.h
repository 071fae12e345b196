// Telling a save file from a file of one-line puzzles by its content, and reading one whole.
#pragma once

#include <istream>
#include <string>
#include <string_view>

#include "options.h"

namespace velmora::cli {

// A save file's lines begin with the field "!", "+", "-" or "=".
bool isSaveFileLine(std::string_view line);

// The input up to and including its first non-empty line.
struct InputStart {
    bool saveFile = false;  // that line is a save file's
    bool empty = true;      // the input has no non-empty line
    std::string firstLine;  // without its line feed
    int lineNumber = 0;     // of firstLine
    std::string consumed;   // every byte read so far
};
InputStart readInputStart(std::istream& in);

// Appends the rest of `in` to `bytes`; false (and `bytes` incomplete) when the whole would pass
// the largest save file the reader takes.
bool readRestOfSaveFile(std::istream& in, std::string& bytes);

// How messages name the input: its file name, or "standard input".
std::string inputName(const Options& options);

}  // namespace velmora::cli
