// What the window shows of the grid, as values the core computes: the layout of the grid and,
// per cell, its format and its text.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "model/box_shape.h"
#include "model/colour.h"

namespace velmora {

// A value sits in the middle of its cell, a candidate list at the top.
enum class CellAlignment : std::int16_t { TopCentre = 3, Centre = 4 };

struct CellFormat {
    Colour back = 0;
    Colour fore = 0;
    std::string fontName;
    double fontSize = 0;  // points
    CellAlignment alignment = CellAlignment::Centre;

    bool operator==(const CellFormat&) const = default;
};

struct CellView {
    CellFormat format;
    std::string text;              // UTF-8: a value, a candidate list, or nothing
    std::uint32_t candidates = 0;  // when the text is a candidate list: the candidates it lists

    bool operator==(const CellView&) const = default;
};

struct GridLayout {
    BoxShape shape;
    double cellPoints = 0;              // the side of a cell, in points
    std::vector<std::string> elements;  // each element's character, UTF-8, element 1 first

    bool operator==(const GridLayout&) const = default;
};

// A cell of the grid; -1 when there is none.
struct GridCursor {
    int row = -1;
    int col = -1;

    bool operator==(const GridCursor&) const = default;
};

// The candidates each rule removed in the last recomputation, as the statistics panel shows them.
struct EliminationCounts {
    int singles = 0;
    int pairs = 0;
    int triplets = 0;
    int quads = 0;
    int more = 0;  // naked subsets of five cells and more, added up
    int grabs = 0;
    int hiddenPairs = 0;

    bool operator==(const EliminationCounts&) const = default;
};

}  // namespace velmora
