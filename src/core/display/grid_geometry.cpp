#include "display/grid_geometry.h"

#include <cmath>

namespace velmora {

int roundHalfEven(double x) {
    const double down = std::floor(x);
    const double diff = x - down;
    if (diff < 0.5) return static_cast<int>(down);
    if (diff > 0.5) return static_cast<int>(down) + 1;
    const auto d = static_cast<long long>(down);
    return static_cast<int>(d % 2 == 0 ? d : d + 1);
}

GridGeometry entryGridGeometry(double cellPoints, int rows, int cols, double dpiX, double dpiY) {
    GridGeometry g;
    g.cellWidth = roundHalfEven(cellPoints * dpiX / kPointsPerInch);
    g.cellHeight = roundHalfEven(cellPoints * dpiY / kPointsPerInch);
    g.width = g.cellWidth * cols;
    g.height = g.cellHeight * rows;
    return g;
}

int fittedCellSide(int designCell, int n, int designed, int available) {
    if (n <= 0) return designCell;
    int side = designCell;
    if (available >= designed) {
        side += (available - designed) / n;
    } else if (designed > 0) {
        side = static_cast<int>(static_cast<long long>(designCell) * available / designed);
    }
    return side < kMinCellSide ? kMinCellSide : side;
}

}  // namespace velmora
