// Saving the current puzzle to a file and loading one, as the Save and Load commands do once the
// file is chosen. Every fault ends in one message through the workbench's message boxes.
#pragma once

#include <filesystem>
#include <string>
#include <string_view>

#include "savefile/save_file_contents.h"

namespace velmora {

class Workbench;

// Writes the current puzzle to `path` through a temporary file beside it. On failure shows
// "Sorry - error writing save file " and the path, leaves any earlier file intact, returns false.
bool savePuzzle(Workbench& wb, const std::filesystem::path& path);

// Reads and checks the whole file at `path` and installs it only when it is sound; the undo
// history is emptied after a load. Otherwise shows one message (the file cannot be opened, is too
// large, or is refused at its first bad line), keeps the current puzzle and returns false.
bool loadPuzzle(Workbench& wb, const std::filesystem::path& path);

// The same for a file already read into `bytes`; `fileName` names it in messages.
bool loadPuzzleText(Workbench& wb, std::string_view bytes, const std::string& fileName);

// Makes a checked file the program's puzzle: its configuration and grid replace the current ones,
// the window shows its options, language and element characters, and the grid is redrawn.
void installSaveFile(Workbench& wb, const SaveFileContents& contents);

// Save and Load. An empty forcename asks the file dialogs; otherwise the file is
// "saved/<forcename>" in the program's folder and no dialog is shown. Load opens a save file or
// a file in any exchange format.
void fSave(Workbench& wb, const std::string& forcename);
void fload(Workbench& wb, const std::string& forcename);

}  // namespace velmora
