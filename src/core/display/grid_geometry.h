// The entry grid's size: square cells whose side is given in points, in whole pixels.
#pragma once

namespace velmora {

struct GridGeometry {
    int cellWidth = 0;   // pixels, every column
    int cellHeight = 0;  // pixels, every row
    int width = 0;       // pixels, all columns
    int height = 0;      // pixels, all rows
};

// Rounds to the nearest whole number, halves to the even one.
int roundHalfEven(double x);

// Points per inch.
inline constexpr double kPointsPerInch = 72.0;

// The layout of a grid of `rows` x `cols` cells of `cellPoints` points on a screen of
// `dpiX` x `dpiY` dots per inch.
GridGeometry entryGridGeometry(double cellPoints, int rows, int cols, double dpiX, double dpiY);

// The side in pixels of a cell of an n x n grid in a square of `available` pixels, where the
// window at its start-up size gives the grid `designed` pixels and its cells `designCell` pixels.
// At the start-up size every grid keeps its designed cells; every pixel the window gains goes to
// the grid, shared among its n cells; a smaller window shrinks the cells in proportion. Never
// below kMinCellSide.
int fittedCellSide(int designCell, int n, int designed, int available);

// The smallest cell the grid is ever drawn with, in pixels.
inline constexpr int kMinCellSide = 12;

}  // namespace velmora
