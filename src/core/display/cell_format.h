// How one grid cell is drawn: the format a cell's state asks for and the text it shows.
#pragma once

#include <cstdint>
#include <string>

#include "model/puzzle_control.h"
#include "model/scell.h"

namespace velmora {

// The grid's alignment codes: a value sits in the middle, a candidate list at the top.
enum class CellAlignment : std::int16_t { TopCentre = 3, Centre = 4 };

struct CellFormat {
    Colour back = 0;
    Colour fore = 0;
    std::string fontName;
    double fontSize = 0;
    CellAlignment alignment = CellAlignment::Centre;
    bool wordWrap = false;

    bool operator==(const CellFormat&) const = default;
};

// The format of cell `s`: box shade, value or candidate font and colour, and the unsolvable
// (red) and conflict (violet) backgrounds unless the pencil marks are the user's.
CellFormat cellFormat(const scell& s, const PuzzleControl& pc);

// The text of cell `s`: its value character ("?" for a value of 0), its candidate list with
// single blanks between the characters when candidates are shown, or nothing.
std::string cellText(const scell& s, const PuzzleControl& pc);

}  // namespace velmora
