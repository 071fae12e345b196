// The grid's size as the window grows and shrinks, and where each candidate sits in its cell.
#include <gtest/gtest.h>

#include <utility>

#include "display/candidate_spots.h"
#include "display/grid_geometry.h"
#include "model/size_options.h"

namespace velmora {
namespace {

// The designed cells of every shape at 96 dpi (side, n), and the square that holds them all.
std::vector<std::pair<int, int>> designedGrids() {
    std::vector<std::pair<int, int>> grids;
    for (const SizeOption& o : kSizeOptions) {
        const int n = o.nRows * o.nCols;
        grids.emplace_back(entryGridGeometry(o.cFontSize * 1.6, n, n, 96, 96).cellWidth, n);
    }
    return grids;
}

int designedSquare() {
    int side = 0;
    for (const auto& [cell, n] : designedGrids())
        side = std::max(side, cell * n);
    return side;
}

TEST(GridFitTest, EveryShapeKeepsItsDesignedCellsAtTheStartUpSize) {
    const int square = designedSquare();
    for (const auto& [cell, n] : designedGrids())
        EXPECT_EQ(fittedCellSide(cell, n, square, square), cell) << n;
}

TEST(GridFitTest, GrownGridsFillTheirSquareAndNeverOverflowIt) {
    const int square = designedSquare();
    for (const auto& [cell, n] : designedGrids()) {
        int previous = 0;
        for (int offered = square / 2; offered <= 3 * square; offered += 37) {
            const int side = fittedCellSide(cell, n, square, offered);
            EXPECT_LE(side * n, std::max(offered, kMinCellSide * n)) << n << " " << offered;
            EXPECT_GE(side, previous) << "a larger square never gives smaller cells";
            previous = side;
            // Every pixel gained beyond the start-up size goes to the grid, but for the rest
            // of a division by n.
            if (offered >= square) {
                EXPECT_GT((side + 1) * n, offered - square + cell * n) << n;
            }
        }
    }
}

// Candidate k of a box of R rows and C columns: row k / C, column k % C of an R x C grid.
TEST(CandidateSpotTest, EveryShapeLaysItsCandidatesOutAsItsBox) {
    for (const BoxShape shape : kBoxShapes) {
        for (int k = 0; k < shape.n(); ++k) {
            const CandidateSpot s = candidateSpot(k, shape);
            EXPECT_EQ(s.row, k / shape.cols);
            EXPECT_EQ(s.col, k % shape.cols);
            EXPECT_DOUBLE_EQ(s.width * shape.cols, 1.0);
            EXPECT_DOUBLE_EQ(s.height * shape.rows, 1.0);
            EXPECT_DOUBLE_EQ(s.left, s.col * s.width);
            EXPECT_DOUBLE_EQ(s.top, s.row * s.height);
        }
    }
}

}  // namespace
}  // namespace velmora
