// The save file's text: the lines the program writes, ready to be put on disk byte for byte
// (Latin-1, each line ended by CR LF).
#pragma once

#include <string>
#include <string_view>

namespace velmora {

class PuzzleControl;

// The comment line that opens every save file.
inline constexpr std::string_view kSaveFileComment =
    "!,Sudoku Velmora Save File - https://velmora.example";

// A number in the plain form: its decimal digits, with a minus sign when negative.
std::string plainNumber(long value);
// The padded form: the plain form with one leading blank when the number is not negative.
std::string paddedNumber(long value);

// The whole file for the configuration `pc` and its grid. `savePath` is the full path written in
// the SaveFile line and `dateTime` the time in the Time and Done lines (both UTF-8).
std::string writeSaveText(const PuzzleControl& pc, std::string_view savePath,
                          std::string_view dateTime);

}  // namespace velmora
