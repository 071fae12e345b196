// The program's title, shown on message boxes.
#pragma once

namespace velmora::ui {

inline constexpr const char* kProgramTitle = "Sudoku Velmora";

}  // namespace velmora::ui
