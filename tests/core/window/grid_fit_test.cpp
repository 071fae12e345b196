// The grid's size as the window grows and shrinks, and where each candidate sits in its cell.
#include <gtest/gtest.h>

#include <set>
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
        std::set<std::pair<int, int>> seen;
        for (int k = 0; k < shape.n(); ++k) {
            const CandidateSpot s = candidateSpot(k, shape);
            EXPECT_TRUE(seen.insert({s.row, s.col}).second) << "two candidates share a spot";
            EXPECT_LT(s.row, shape.rows);
            EXPECT_LT(s.col, shape.cols);
            EXPECT_DOUBLE_EQ(s.width * shape.cols, 1.0);
            EXPECT_DOUBLE_EQ(s.height * shape.rows, 1.0);
            EXPECT_LE(s.left + s.width, 1.0 + 1e-9);
            EXPECT_LE(s.top + s.height, 1.0 + 1e-9);
        }
    }
}

TEST(CandidateSpotTest, AWideBoxGivesThreeRowsOfSix) {
    const BoxShape threeBySix{3, 6};
    // 7 (k 6) opens the second row, 'H' (k 17) ends the third.
    EXPECT_EQ(candidateSpot(6, threeBySix).row, 1);
    EXPECT_EQ(candidateSpot(6, threeBySix).col, 0);
    EXPECT_DOUBLE_EQ(candidateSpot(17, threeBySix).left, 5.0 / 6.0);
    EXPECT_DOUBLE_EQ(candidateSpot(17, threeBySix).top, 2.0 / 3.0);
    // A 2x5 box: two rows of five.
    EXPECT_EQ(candidateSpot(5, BoxShape{2, 5}).row, 1);
    EXPECT_EQ(candidateSpot(4, BoxShape{2, 5}).col, 4);
}

}  // namespace
}  // namespace velmora
