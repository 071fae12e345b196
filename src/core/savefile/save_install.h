// Turns a checked save file into the program's puzzle: a new configuration and a new grid that
// replace the old ones. The window's side (its options, language and redraw) is the load
// command's.
#pragma once

#include <memory>

#include "savefile/save_file_contents.h"

namespace velmora {

class PuzzleControl;

// What a fresh configuration holds (the window's current size and pencil-mark box included): the
// values a file that leaves something out gets.
SaveSettings loadDefaults(const PuzzleControl& running);

// A new configuration holding the file's settings, linked to the running program's controllers
// and carrying its version texts.
std::unique_ptr<PuzzleControl> loadedConfiguration(const SaveFileContents& contents,
                                                   const PuzzleControl& running);

// Builds the configuration's grid, with the unit tables for its size, as the first item of a new
// grid stack, and fills every cell from the file, candidates exactly as saved.
void installLoadedGrid(PuzzleControl& pc, const SaveFileContents& contents);

}  // namespace velmora
