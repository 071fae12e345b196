// Telling a save file from a file of one-line puzzles by its content, and reading one whole.
#pragma once

#include <istream>
#include <string>
#include <string_view>

#include "line_reader.h"
#include "options.h"

namespace velmora::cli {

// A save file's lines begin with the field "!", "+", "-" or "=".
bool isSaveFileLine(std::string_view line);

// The input up to and including its first non-empty line.
struct InputStart {
    bool saveFile = false;  // that line is a save file's
    bool empty = true;      // the input has no non-empty line
    bool firstLineTooLong = false;
    std::string firstLine;  // without its line feed; cut short when too long
    int lineNumber = 0;     // of firstLine
    // The bytes read so far, as a save file's start. An over-long line stays one character over
    // the limit, so the save-file reader refuses it; past the largest save file nothing more is
    // kept, so the start alone is too large.
    std::string consumed;
};
// Reads lines from `lines` up to the first non-empty one; an over-long line counts as non-empty.
InputStart readInputStart(LineReader& lines);

// Appends the rest of `in` to `bytes`; false (and `bytes` incomplete) when the whole would pass
// the largest save file the reader takes.
bool readRestOfSaveFile(std::istream& in, std::string& bytes);

// How messages name the input: its file name, or "standard input".
std::string inputName(const Options& options);

}  // namespace velmora::cli
