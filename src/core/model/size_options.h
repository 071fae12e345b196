// The ten box shapes the window offers, indexed by the size option sgValue.
#pragma once

#include <array>

namespace velmora {

struct SizeOption {
    int nRows;         // box height
    int nCols;         // box width
    int nRowsofBoxes;  // bands
    int nColsofBoxes;  // stacks
    double cFontSize;
    double cMaybeFontSize;
};

inline constexpr std::array<SizeOption, 10> kSizeOptions{{
    {3, 3, 3, 3, 20, 8},
    {4, 4, 4, 4, 14, 6.5},
    {2, 2, 2, 2, 34, 14},
    {2, 3, 3, 2, 26, 12},
    {3, 4, 4, 3, 18, 7},
    {2, 4, 4, 2, 22, 10},
    {2, 5, 5, 2, 19, 8},
    {3, 5, 5, 3, 14, 6.5},
    {2, 6, 6, 2, 18, 7},
    {3, 6, 6, 3, 12.5, 6},
}};

// The size option of a box nRows high and nCols wide, or -1 when no option has that shape.
constexpr int sizeOptionForBox(int nRows, int nCols) {
    for (int i = 0; i < static_cast<int>(kSizeOptions.size()); ++i) {
        const auto& o = kSizeOptions[static_cast<std::size_t>(i)];
        if (o.nRows == nRows && o.nCols == nCols) return i;
    }
    return -1;
}

inline constexpr const char* kDefaultElements = "1234567890ABCDEFGHIJKLMNOPQRSTUVWXYZ";

}  // namespace velmora
