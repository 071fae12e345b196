// Box geometry, the unit table, size options and the subset switches for several box shapes.
#include <gtest/gtest.h>

#include <set>

#include "model/size_options.h"
#include "support/puzzle_fixture.h"

namespace velmora {
namespace {

TEST(Geometry, SixBySixWithTwoByThreeBoxes) {
    test::Bench bench(2, 3);
    PuzzleControl& pc = bench.pc();
    EXPECT_EQ(pc.nDim, 6);
    EXPECT_EQ(pc.nRows, 2);
    EXPECT_EQ(pc.nCols, 3);
    EXPECT_EQ(pc.nRowsofBoxes, 3);
    EXPECT_EQ(pc.nColsofBoxes, 2);
    EXPECT_EQ(pc.sElements, "123456");
    EXPECT_EQ(pc.cFontSize, 26);
    EXPECT_EQ(pc.cMaybeFontSize, 12);

    const scell& cell = bench.cells().getCell(3, 4);
    EXPECT_EQ(bench.cells().makeBigIndex(3, 4), 22);
    EXPECT_EQ(cell.boxNumber, 3);
    const Workbench& wb = *bench.wb;
    EXPECT_EQ(wb.unitCell(0, 3, kBox), 15);
    EXPECT_EQ(wb.unitCell(4, 3, kBox), 22);
    EXPECT_EQ(wb.unitCell(5, 3, kBox), 23);
    EXPECT_EQ(wb.unitCell(2, 1, kRow), 8);
    EXPECT_EQ(wb.unitCell(2, 1, kColumn), 13);
}

// Every unit of every shape names N distinct cells, and each cell lies in exactly one unit of
// each type.
TEST(Geometry, UnitTablesPartitionTheGridForEveryShape) {
    for (const auto& option : kSizeOptions) {
        test::Bench bench(option.nRows, option.nCols);
        const int n = bench.n();
        ASSERT_EQ(n, option.nRows * option.nCols);
        for (int type = kRow; type <= kBox; ++type) {
            std::multiset<int> seen;
            for (int unit = 0; unit < n; ++unit) {
                for (int k = 0; k < n; ++k) {
                    const int b = bench.wb->unitCell(k, unit, type);
                    const scell& cell = bench.cells().getcellBigindex(b);
                    const int owner = type == kRow      ? cell.meRow
                                      : type == kColumn ? cell.meCol
                                                        : cell.boxNumber;
                    EXPECT_EQ(owner, unit) << option.nRows << "x" << option.nCols;
                    seen.insert(b);
                }
            }
            EXPECT_EQ(seen.size(), static_cast<std::size_t>(n * n));
            EXPECT_EQ(std::set<int>(seen.begin(), seen.end()).size(),
                      static_cast<std::size_t>(n * n));
        }
        // A box is nRows high and nCols wide.
        const scell& last = bench.cells().getcellBigindex(bench.wb->unitCell(n - 1, 0, kBox));
        EXPECT_EQ(last.meRow, option.nRows - 1);
        EXPECT_EQ(last.meCol, option.nCols - 1);
    }
}

TEST(Geometry, BoxShadingAlternatesLikeAChessboard) {
    test::Bench nine(3, 3);
    for (int box = 0; box < 9; ++box) {
        const scell& cell = nine.cells().getcellBigindex(nine.wb->unitCell(0, box, kBox));
        EXPECT_EQ(cell.evenSquare(), box % 2 == 0) << box;
    }
    test::Bench six(2, 3);
    const std::vector<bool> expected{true, false, false, true, true, false};
    for (int box = 0; box < 6; ++box) {
        const scell& cell = six.cells().getcellBigindex(six.wb->unitCell(0, box, kBox));
        EXPECT_EQ(cell.evenSquare(), expected[static_cast<std::size_t>(box)]) << box;
    }
}

TEST(Geometry, DefaultElementsFollowTheGridSize) {
    EXPECT_EQ(test::Bench(4, 4).pc().sElements, "1234567890ABCDEF");
    EXPECT_EQ(test::Bench(3, 6).pc().sElements, "1234567890ABCDEFGH");
    EXPECT_EQ(test::Bench(2, 2).pc().sElements, "1234");
}

TEST(Geometry, SizeItKeepsTheShapeWhenNoOptionIsSelected) {
    test::Bench bench(3, 4);
    bench.settings.sizeOption = -1;
    bench.pc().SizeIt();
    EXPECT_EQ(bench.pc().sgValue, 4);
    EXPECT_EQ(bench.pc().nDim, 12);
}

TEST(Geometry, ShapesThatAreNotSquareAreRefused) {
    test::Bench bench;
    PuzzleControl& pc = bench.pc();
    pc.nRowsofBoxes = 2;  // 3 * 2 rows against 3 * 3 columns
    scells grid;
    EXPECT_EQ(grid.initstartoff(pc), 0);
    EXPECT_EQ(bench.messages.lastInformation, "invalid dimensions");
}

TEST(SubsetSwitches, MoreCoversSizesFiveUpToHalfTheGrid) {
    test::Bench sixteen(4, 4);
    sixteen.settings.subsets = {true, false, true, true, true};
    sixteen.wb->readSubsetSwitches();
    const auto& on = sixteen.wb->subsetEnabled;
    ASSERT_EQ(on.size(), 16u);
    EXPECT_TRUE(on[0]);
    EXPECT_FALSE(on[1]);
    for (int k = 4; k <= 8; ++k)
        EXPECT_TRUE(on[static_cast<std::size_t>(k)]) << k;
    for (int k = 9; k < 16; ++k)
        EXPECT_FALSE(on[static_cast<std::size_t>(k)]) << k;

    test::Bench eight(2, 4);
    EXPECT_TRUE(eight.wb->subsetEnabled[4]);
    EXPECT_FALSE(eight.wb->subsetEnabled[5]);

    test::Bench six(2, 3);
    EXPECT_EQ(six.wb->subsetEnabled, std::vector<char>({1, 1, 1, 1, 0, 0}));
}

TEST(BuildPuzzle, StackHoldsTheNewGridTwiceAndSettingsSurvive) {
    test::Bench bench;
    bench.pc().wLanguage = 1;
    bench.pc().sElements = "ABCDEFGHI";
    bench.wb->newPuzzle();
    auto& stack = bench.wb->sBlock().scColl;
    ASSERT_EQ(stack.size(), 2u);
    EXPECT_EQ(stack[0], stack[1]);
    EXPECT_EQ(stack[0], bench.pc().theCells);
    EXPECT_EQ(bench.pc().wLanguage, 1);
    EXPECT_EQ(bench.pc().sElements, "ABCDEFGHI");
    EXPECT_EQ(bench.cells().getCell(4, 4).countPossibilities, 9);
}

}  // namespace
}  // namespace velmora
