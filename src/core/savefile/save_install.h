// Turns a checked save file into the program's puzzle: a new configuration and a new grid in
// place of the old ones, with the window's options, language and element text to match.
#pragma once

#include "savefile/save_file_contents.h"

namespace velmora {

class Workbench;

// What a fresh configuration holds (the window's current size and pencil-mark box included): the
// values a file that leaves something out gets.
SaveSettings loadDefaults(Workbench& wb);

// Installs `contents`, which readSaveText has checked, and redraws. The form controller, the grid
// view and the statistics block stay; everything that referred to the old configuration is
// pointed at the new one. The undo history is not touched here.
void installSaveFile(Workbench& wb, const SaveFileContents& contents);

}  // namespace velmora
