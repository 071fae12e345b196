// The puzzle kept between runs, so that leaving the program never loses work: written on exit
// into the program's data folder with the save-file writer, read back at the next start.
#pragma once

#include <filesystem>
#include <string_view>

namespace velmora {

class Workbench;

// The kept puzzle's file name in the program's data folder, beside the folder "saved".
inline constexpr std::string_view kSessionFileName = "autosave.svl";

// Writes the current puzzle (values, givens, pencil marks, options, language) to `file`, making
// its folder when missing, without any message. False when it could not be written; an earlier
// file then stays as it was.
bool keepSession(Workbench& wb, const std::filesystem::path& file);

// Installs the puzzle kept in `file` as Load does, but silently: a missing, unreadable or damaged
// file changes nothing and gives false. The undo history starts empty; a puzzle with givens is
// ready to be solved ("Enter Solution").
bool restoreSession(Workbench& wb, const std::filesystem::path& file);

}  // namespace velmora
