// Grid validation, completion, reset, copying and the solver order.
#include <gtest/gtest.h>

#include <algorithm>
#include <set>

#include "support/puzzle_fixture.h"

namespace velmora {
namespace {

TEST(Validate, MarksBothCellsOfAConflictAndClearsStaleMarks) {
    test::Bench bench;
    scells& grid = bench.cells();
    grid.getCell(0, 0).putOriginal(5);
    grid.getCell(0, 7).putOriginal(5);
    grid.getCell(4, 4).putOriginal(5);  // other row, column and box
    grid.Validate();
    EXPECT_TRUE(grid.Invalid);
    EXPECT_TRUE(grid.getCell(0, 0).Invalid);
    EXPECT_TRUE(grid.getCell(0, 7).Invalid);
    EXPECT_FALSE(grid.getCell(4, 4).Invalid);

    grid.getCell(0, 7).Clear();
    grid.Validate();
    EXPECT_FALSE(grid.Invalid);
    EXPECT_FALSE(grid.getCell(0, 0).Invalid);
}

TEST(Validate, BoxConflictsCountOnRectangularBoxes) {
    test::Bench bench(2, 3);
    bench.cells().getCell(0, 0).putOriginal(2);
    bench.cells().getCell(1, 2).putOriginal(2);  // same 2x3 box, other row and column
    bench.cells().Validate();
    EXPECT_TRUE(bench.cells().getCell(1, 2).Invalid);
}

TEST(AllDone, StopsAtTheFirstOpenCellWithSeveralCandidates) {
    test::Bench bench(2, 2);
    scells& grid = bench.cells();
    for (int b = 0; b < 16; ++b)
        grid.getcellBigindex(b).putSure(1 + b % 4);
    EXPECT_EQ(grid.allDone(), 1);  // full, although the values break the rules
    grid.getcellBigindex(9).Clear();
    EXPECT_EQ(grid.allDone(), 0);
    grid.getcellBigindex(3).Clear();
    grid.getcellBigindex(3).putPossibility(0);
    grid.getcellBigindex(3).putPossibility(1);
    EXPECT_EQ(grid.allDone(), 2);
}

TEST(Resetting, KeepsOnlyTheGivens) {
    test::Bench bench;
    scells& grid = bench.cells();
    grid.getCell(0, 0).putOriginal(1);
    grid.getCell(0, 1).putEntered(2);
    grid.getCell(0, 2).putSure(3);
    grid.SolvedStatus = 1;
    grid.Resetting();
    EXPECT_TRUE(grid.getCell(0, 0).Sure);
    EXPECT_FALSE(grid.getCell(0, 1).Sure);
    EXPECT_FALSE(grid.getCell(0, 2).Sure);
    EXPECT_EQ(grid.getCell(0, 2).countPossibilities, 0);
    EXPECT_EQ(grid.SolvedStatus, 0);
}

TEST(Copying, SCopyReplacesValuesButKeepsTheTargetsOrder) {
    test::Bench bench;
    scells& source = bench.cells();
    source.getCell(2, 3).putOriginal(7);
    auto target = std::make_shared<scells>();
    target->initstandalone(bench.pc());
    target->getCell(8, 8).putOriginal(1);
    const int orderBefore = target->sOrder.ListGetValue(0);
    source.sCopy(*target);
    EXPECT_TRUE(target->getCell(2, 3).Original);
    EXPECT_EQ(target->getCell(2, 3).Trying, 7);
    EXPECT_FALSE(target->getCell(8, 8).Sure);
    EXPECT_EQ(target->getCell(2, 3).meGrid, target.get());
    EXPECT_EQ(target->nClone, source.nClone + 1);
    EXPECT_EQ(target->sOrder.ListGetValue(0), orderBefore);
}

TEST(Copying, CloneGoesOnTheGridStack) {
    test::Bench bench;
    bench.cells().getCell(1, 1).putOriginal(4);
    const auto before = bench.wb->sBlock().scColl.size();
    GridPtr copy = bench.cells().Clone();
    EXPECT_EQ(bench.wb->sBlock().scColl.size(), before + 1);
    EXPECT_EQ(bench.wb->sBlock().scColl.back(), copy);
    EXPECT_EQ(copy->getCell(1, 1).Trying, 4);
}

TEST(SolverOrder, SortsByCandidateCountAndStaysAPermutation) {
    test::Bench bench;
    scells& grid = bench.cells();
    grid.Optimize();
    std::vector<int> order;
    for (int p = 0; p < 81; ++p)
        order.push_back(grid.sOrder.ListGetValue(p));
    std::vector<int> sorted = order;
    std::sort(sorted.begin(), sorted.end());
    for (int i = 0; i < 81; ++i)
        EXPECT_EQ(sorted[static_cast<std::size_t>(i)], i);
    for (int p = 0; p < 81; ++p)
        EXPECT_EQ(grid.getcellBigindex(order[static_cast<std::size_t>(p)]).sOrderIndex, p);

    bench.enterGivens(test::loadSamples("logic-3x3.txt").at(0).puzzle);
    scells& given = bench.cells();  // entering givens built a new grid
    given.Optimize();
    int previous = -1;
    for (const scell* cell = given.getNextCell(nullptr); cell != nullptr;
         cell = given.getNextCell(cell)) {
        EXPECT_GE(cell->countPossibilities, previous);
        previous = cell->countPossibilities;
    }
    EXPECT_EQ(given.getNextCell(&given.getcellBigindex(given.sOrder.ListGetValue(80))), nullptr);
}

TEST(SolverOrder, PivotIsTheMeanRoundedToEven) {
    EXPECT_EQ(meanRoundedToEven(2, 3), 2);
    EXPECT_EQ(meanRoundedToEven(1, 2), 2);
    EXPECT_EQ(meanRoundedToEven(2, 5), 4);
    EXPECT_EQ(meanRoundedToEven(3, 3), 3);
    EXPECT_EQ(meanRoundedToEven(0, 1), 0);
}

TEST(SolverOrder, ShuffledOrdersDifferBetweenGridsButRepeatWithTheSeed) {
    test::Bench a(3, 3, 42);
    test::Bench b(3, 3, 42);
    test::Bench c(3, 3, 43);
    auto orderOf = [](scells& g) {
        std::vector<int> v;
        for (int p = 0; p < g.sOrder.nList; ++p)
            v.push_back(g.sOrder.ListGetValue(p));
        return v;
    };
    EXPECT_EQ(orderOf(a.cells()), orderOf(b.cells()));
    EXPECT_NE(orderOf(a.cells()), orderOf(c.cells()));
    GridPtr clone = a.cells().Clone();
    EXPECT_NE(orderOf(*clone), orderOf(a.cells()));
}

}  // namespace
}  // namespace velmora
