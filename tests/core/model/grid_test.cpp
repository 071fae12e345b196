// Grid validation, completion, reset, copying and the solver order.
#include <gtest/gtest.h>

#include <algorithm>
#include <numeric>

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
    EXPECT_TRUE(grid.getCell(0, 0).Invalid && grid.getCell(0, 7).Invalid);
    EXPECT_FALSE(grid.getCell(4, 4).Invalid);

    grid.getCell(0, 7).Clear();
    grid.Validate();
    EXPECT_FALSE(grid.Invalid);
    EXPECT_FALSE(grid.getCell(0, 0).Invalid);

    test::Bench six(2, 3);
    six.cell(0, 0).putOriginal(2);
    six.cell(1, 2).putOriginal(2);  // same 2x3 box, other row and column
    six.cells().Validate();
    EXPECT_TRUE(six.cell(1, 2).Invalid);
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
    bench.cell(0, 0).putOriginal(1);
    bench.cell(0, 1).putEntered(2);
    bench.cell(0, 2).putSure(3);
    bench.cells().SolvedStatus = 1;
    bench.cells().Resetting();
    EXPECT_EQ(bench.gridText().substr(0, 3), "1..");
    EXPECT_EQ(bench.cell(0, 2).countPossibilities, 0);
    EXPECT_EQ(bench.cells().SolvedStatus, 0);
}

TEST(Copying, SCopyReplacesValuesButKeepsTheTargetsOrder) {
    test::Bench bench;
    bench.cell(2, 3).putOriginal(7);
    auto target = std::make_shared<scells>();
    target->initstandalone(bench.pc());
    target->getCell(8, 8).putOriginal(1);
    const int orderBefore = target->sOrder.ListGetValue(0);
    bench.cells().sCopy(*target);
    const scell& copied = target->getCell(2, 3);
    EXPECT_TRUE(copied.Original);
    EXPECT_EQ(copied.Trying, 7);
    EXPECT_EQ(copied.meGrid, target.get());
    EXPECT_FALSE(target->getCell(8, 8).Sure);
    EXPECT_EQ(target->nClone, bench.cells().nClone + 1);
    EXPECT_EQ(target->sOrder.ListGetValue(0), orderBefore);

    // A clone goes on the grid stack.
    const auto before = bench.wb->sBlock().scColl.size();
    GridPtr clone = bench.cells().Clone();
    EXPECT_EQ(bench.wb->sBlock().scColl.size(), before + 1);
    EXPECT_EQ(bench.wb->sBlock().scColl.back(), clone);
    EXPECT_EQ(clone->getCell(2, 3).Trying, 7);
}

std::vector<int> orderOf(const scells& grid) {
    std::vector<int> order;
    for (int p = 0; p < grid.sOrder.nList; ++p)
        order.push_back(grid.sOrder.ListGetValue(p));
    return order;
}

TEST(SolverOrder, SortsByCandidateCountAndStaysAPermutation) {
    test::Bench bench;
    bench.cells().Optimize();
    std::vector<int> order = orderOf(bench.cells());
    for (int p = 0; p < 81; ++p)
        EXPECT_EQ(bench.cells().getcellBigindex(order[static_cast<std::size_t>(p)]).sOrderIndex, p);
    std::sort(order.begin(), order.end());
    std::vector<int> all(81);
    std::iota(all.begin(), all.end(), 0);
    EXPECT_EQ(order, all);

    bench.enterGivens(test::loadSamples("logic-3x3.txt").at(0).puzzle);
    scells& given = bench.cells();
    given.Optimize();
    int previous = -1;
    for (const scell* cell = given.getNextCell(nullptr); cell != nullptr;
         cell = given.getNextCell(cell)) {
        EXPECT_GE(cell->countPossibilities, previous);
        previous = cell->countPossibilities;
    }
    EXPECT_EQ(given.getNextCell(&given.getcellBigindex(given.sOrder.ListGetValue(80))), nullptr);
}

TEST(SolverOrder, ShuffledOrdersDifferBetweenGridsButRepeatWithTheSeed) {
    test::Bench a(3, 3, 42);
    test::Bench b(3, 3, 42);
    test::Bench c(3, 3, 43);
    EXPECT_EQ(orderOf(a.cells()), orderOf(b.cells()));
    EXPECT_NE(orderOf(a.cells()), orderOf(c.cells()));
    EXPECT_NE(orderOf(*a.cells().Clone()), orderOf(a.cells()));
}

}  // namespace
}  // namespace velmora
