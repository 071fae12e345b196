// One line of a grid split at blanks and vertical bars, read either character by character
// (plain and bordered grids) or blank-separated cell by cell (pencil-mark grids).
#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string_view>
#include <vector>

#include "formats/element_set.h"
#include "formats/read_error.h"

namespace velmora {

// Undecided: every cell so far is a single element, which reads alike either way.
enum class RowReading { Undecided, Characters, Cells };

struct GridRow {
    std::vector<std::string_view> tokens;  // blank- and bar-separated
    std::vector<int> segmentOf;            // for each token, its bar segment from 0
    int segments = 0;
    bool hasBars = false;
    bool hasMarker = false;  // an open-cell marker other than '0'
    bool hasParenthesis = false;
    bool allSingles = true;  // every token one character long
    std::size_t characters = 0;
};

GridRow splitGridRow(std::string_view trimmed);

// How many cells the row has when read `how`.
std::size_t cellCount(const GridRow& row, RowReading how);

// The width of the row's groups when read `how` (characters: bar segments, or blank groups
// without bars; cells: bar segments), or 0 when there are fewer than two or they differ.
int groupWidth(const GridRow& row, RowReading how);

// Reads the row's cells into `givens` and `masks` (each cellCount long). Undecided rows hold
// givens only; a cell "(…)" is an open cell with exactly the listed candidates. A fault names
// its cell as `column`; the caller adds the line.
std::optional<ReadError> readRowCells(const GridRow& row, RowReading how,
                                      const ElementSet& elements, int* givens,
                                      std::uint32_t* masks);

}  // namespace velmora
