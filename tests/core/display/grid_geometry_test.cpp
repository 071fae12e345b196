#include "display/grid_geometry.h"

#include <gtest/gtest.h>

namespace velmora {
namespace {

TEST(GridGeometryTest, HalvesRoundToTheEvenNumber) {
    EXPECT_EQ(roundHalfEven(0.5), 0);
    EXPECT_EQ(roundHalfEven(1.5), 2);
    EXPECT_EQ(roundHalfEven(22.5), 22);
    EXPECT_EQ(roundHalfEven(42.66), 43);
    EXPECT_EQ(roundHalfEven(72.4), 72);
}

TEST(GridGeometryTest, CellsAreRoundedBeforeMultiplyingWithSeparateResolutions) {
    // 2x2 boxes: 54.4 points = 72.53 pixels.
    GridGeometry g = entryGridGeometry(34, 4, 4, 96, 96);
    EXPECT_EQ(g.cellWidth, 73);
    EXPECT_EQ(g.width, 292);
    // 3x6 boxes: 20 points; at 81 dpi exactly 22.5 pixels, which rounds down to even.
    g = entryGridGeometry(12.5, 18, 18, 81, 96);
    EXPECT_EQ(g.cellWidth, 22);
    EXPECT_EQ(g.cellHeight, 27);
    EXPECT_EQ(g.width, 18 * 22);
    EXPECT_EQ(g.height, 18 * 27);
}

}  // namespace
}  // namespace velmora
