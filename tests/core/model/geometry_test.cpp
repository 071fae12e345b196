// Box geometry, the unit table, size options and the subset switches for several box shapes.
#include <gtest/gtest.h>

#include <set>

#include "model/size_options.h"
#include "support/puzzle_fixture.h"

namespace velmora {
namespace {

TEST(Geometry, SixBySixWithTwoByThreeBoxes) {
    test::Bench bench(2, 3);
    EXPECT_EQ(bench.n(), 6);
    EXPECT_EQ(bench.cells().makeBigIndex(3, 4), 22);
    EXPECT_EQ(bench.cell(3, 4).boxNumber, 3);
    const Workbench& wb = *bench.wb;
    EXPECT_EQ(wb.unitCell(0, 3, kBox), 15);
    EXPECT_EQ(wb.unitCell(4, 3, kBox), 22);
    EXPECT_EQ(wb.unitCell(2, 1, kRow), 8);
    EXPECT_EQ(wb.unitCell(2, 1, kColumn), 13);
}

// Every unit of every shape names N distinct cells, and each cell lies in exactly one unit of
// each type; a box is nRows high and nCols wide.
TEST(Geometry, UnitTablesPartitionTheGridForEveryShape) {
    for (const auto& option : kSizeOptions) {
        SCOPED_TRACE(std::to_string(option.nRows) + "x" + std::to_string(option.nCols));
        test::Bench bench(option.nRows, option.nCols);
        const int n = bench.n();
        ASSERT_EQ(n, option.nRows * option.nCols);
        for (int type = kRow; type <= kBox; ++type) {
            std::set<int> seen;
            for (int unit = 0; unit < n; ++unit) {
                for (int k = 0; k < n; ++k) {
                    const int b = bench.wb->unitCell(k, unit, type);
                    const scell& cell = bench.cells().getcellBigindex(b);
                    EXPECT_EQ(type == kRow      ? cell.meRow
                              : type == kColumn ? cell.meCol
                                                : cell.boxNumber,
                              unit);
                    seen.insert(b);
                }
            }
            EXPECT_EQ(seen.size(), static_cast<std::size_t>(n * n));
        }
        const scell& last = bench.cells().getcellBigindex(bench.wb->unitCell(n - 1, 0, kBox));
        EXPECT_EQ(last.meRow, option.nRows - 1);
        EXPECT_EQ(last.meCol, option.nCols - 1);
    }
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
    bench.pc().nRowsofBoxes = 2;  // 3 * 2 rows against 3 * 3 columns
    scells grid;
    EXPECT_EQ(grid.initstartoff(bench.pc()), 0);
    EXPECT_EQ(bench.messages.lastInformation, "invalid dimensions");
}

TEST(SubsetSwitches, MoreCoversSizesFiveUpToHalfTheGrid) {
    test::Bench sixteen(4, 4);
    sixteen.settings.subsets = {true, false, true, true, true};
    sixteen.wb->readSubsetSwitches();
    EXPECT_EQ(sixteen.wb->subsetEnabled,
              std::vector<char>({1, 0, 1, 1, 1, 1, 1, 1, 1, 0, 0, 0, 0, 0, 0, 0}));
    EXPECT_EQ(test::Bench(2, 4).wb->subsetEnabled, std::vector<char>({1, 1, 1, 1, 1, 0, 0, 0}));
    EXPECT_EQ(test::Bench(2, 3).wb->subsetEnabled, std::vector<char>({1, 1, 1, 1, 0, 0}));
}

TEST(BuildPuzzle, StackHoldsTheNewGridTwiceAndSettingsSurvive) {
    test::Bench bench;
    bench.pc().wLanguage = 1;
    bench.pc().sElements = "ABCDEFGHI";
    bench.wb->newPuzzle();
    const auto& stack = bench.wb->sBlock().scColl;
    ASSERT_EQ(stack.size(), 2u);
    EXPECT_EQ(stack[0], stack[1]);
    EXPECT_EQ(stack[0], bench.pc().theCells);
    EXPECT_EQ(bench.pc().wLanguage, 1);
    EXPECT_EQ(bench.pc().sElements, "ABCDEFGHI");
    EXPECT_EQ(bench.cell(4, 4).bPoss, 0x1ffu);
    EXPECT_EQ(bench.cell(4, 4).countPossibilities, 9);
}

}  // namespace
}  // namespace velmora
