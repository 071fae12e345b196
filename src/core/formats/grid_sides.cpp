#include "formats/grid_sides.h"

namespace velmora {

bool isGridSide(int n) {
    for (const BoxShape& shape : kBoxShapes)
        if (shape.n() == n) return true;
    return false;
}

int sideOfCellCount(std::size_t count) {
    for (const BoxShape& shape : kBoxShapes)
        if (static_cast<std::size_t>(shape.cellCount()) == count) return shape.n();
    return 0;
}

int sideOfCandidateCount(std::size_t count) {
    for (const BoxShape& shape : kBoxShapes)
        if (static_cast<std::size_t>(shape.cellCount() * shape.n()) == count) return shape.n();
    return 0;
}

bool isBoxWidth(int n, int width) {
    for (const BoxShape& shape : kBoxShapes)
        if (shape.n() == n && shape.cols == width) return true;
    return false;
}

bool isBoxHeight(int n, int height) {
    for (const BoxShape& shape : kBoxShapes)
        if (shape.n() == n && shape.rows == height) return true;
    return false;
}

std::optional<BoxShape> resolveShape(int n, BorderEvidence borders,
                                     std::optional<BoxShape> caller) {
    std::optional<BoxShape> only;
    int shapes = 0;
    for (const BoxShape& shape : kBoxShapes) {
        if (shape.n() != n) continue;
        ++shapes;
        only = shape;
    }
    if (shapes <= 1) return only;

    const bool width = isBoxWidth(n, borders.boxWidth);
    const bool height = isBoxHeight(n, borders.boxHeight);
    if (width && height && borders.boxWidth * borders.boxHeight == n)
        return BoxShape{borders.boxHeight, borders.boxWidth};
    if (width && !height) return BoxShape{n / borders.boxWidth, borders.boxWidth};
    if (height && !width) return BoxShape{borders.boxHeight, n / borders.boxHeight};
    for (const BoxShape& shape : kBoxShapes)
        if (caller && *caller == shape && shape.n() == n) return shape;
    return std::nullopt;
}

}  // namespace velmora
