// How one grid cell is drawn: the format a cell's state asks for and the text it shows.
#pragma once

#include <string>

#include "model/cell_view.h"
#include "model/puzzle_control.h"
#include "model/scell.h"

namespace velmora {

// The format of cell `s`: box shade, value or candidate font and colour, and the unsolvable
// (red) and conflict (violet) backgrounds unless the pencil marks are the user's.
CellFormat cellFormat(const scell& s, const PuzzleControl& pc);

// The text of cell `s` (UTF-8): its value character ("?" for a value of 0), its candidate list
// with single blanks between the characters when candidates are shown, or nothing.
std::string cellText(const scell& s, const PuzzleControl& pc);

// Format and text together, with the candidates the text lists.
CellView cellView(const scell& s, const PuzzleControl& pc);

}  // namespace velmora
