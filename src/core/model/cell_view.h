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
    Colour markFore = 0;    // candidates a command points at
    Colour strikeFore = 0;  // candidates a command removes, struck through

    bool operator==(const CellFormat&) const = default;
};

struct CellView {
    CellFormat format;
    std::string text;              // UTF-8: a value, a candidate list, or nothing
    std::uint32_t candidates = 0;  // when the text is a candidate list: the candidates it lists
    std::uint32_t marked = 0;      // of those, the ones drawn in the mark colour
    std::uint32_t struck = 0;      // of those, the ones struck through

    bool operator==(const CellView&) const = default;
};

// How a cell stands out while a command points at something in the grid.
enum class Emphasis : std::uint8_t {
    None,
    Unit,       // the row, column or box a step works in
    Pattern,    // the cells that make a step's pattern
    Attention,  // cells that are wrong: a conflict, no candidate left, a likely typo
};

// What stands out in the grid, cell by cell (row by row); empty when nothing does.
struct GridHighlight {
    std::vector<Emphasis> cells;
    std::vector<std::uint32_t> marked;  // candidates drawn in the mark colour
    std::vector<std::uint32_t> struck;  // candidates struck through

    bool empty() const { return cells.empty(); }
    bool operator==(const GridHighlight&) const = default;
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
