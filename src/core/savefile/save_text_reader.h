// Reads a save file's text and checks all of it before anything is installed.
#pragma once

#include <cstddef>
#include <string_view>

#include "savefile/save_file_contents.h"

namespace velmora {

// The longest line the reader takes; the longest the program writes is the SaveFile line with
// its path.
inline constexpr std::size_t kMaxSaveLineLength = 8192;

// Reads `bytes` (Latin-1, lines ended by CR LF or LF). Each line is lower-cased and split at
// every comma; its first field says what it is: "!" comment, "+" information, "-" setting,
// "=" cell, anything else skipped. `defaults` are the values of a fresh configuration; their
// pSaveVersion is the running program's, and a file with another version is refused.
//
// Stricter than a line-by-line reader: the geometry must give one of the ten box shapes before
// "-,nscells,", every cell must come after it exactly once with values inside the grid, and the
// element characters must number N. Any fault names its line and nothing is returned to install.
SaveReadResult readSaveText(std::string_view bytes, const SaveSettings& defaults);

// True exactly when `text` without leading and trailing blanks is "1", "true" or "wahr" (the
// reader compares lower-cased lines, so any capitalisation of them counts there).
bool textBool(std::string_view text);

}  // namespace velmora
