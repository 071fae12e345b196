// Cell operations whose counting and flag rules the rest of the program relies on.
#include <gtest/gtest.h>

#include <algorithm>
#include <numeric>

#include "support/puzzle_fixture.h"

namespace velmora {
namespace {

TEST(Cell, CountsFollowEveryAddAndRemoveOnceAndValuesHoldNoCandidates) {
    test::Bench bench;
    scell& cell = bench.cell(0, 0);
    cell.clearallPossibilities();
    cell.putPossibility(3);
    cell.putPossibility(3);
    cell.putPossibility(0);
    EXPECT_EQ(cell.countPossibilities, 2);
    EXPECT_EQ(cell.nextPoss(), 3);  // the highest candidate
    EXPECT_EQ(cell.clearPossibility(5), 0);
    EXPECT_EQ(cell.clearPossibility(3), 1);
    EXPECT_EQ(cell.countPossibilities, 1);
    cell.putSure(4);
    EXPECT_EQ(cell.bPoss, 0u);
    cell.bPoss = 0x7;
    EXPECT_EQ(cell.recountPossibilities(), 0);
    // A given and a user's entry exclude each other.
    cell.putEntered(3);
    cell.putOriginal(5);
    EXPECT_TRUE(cell.Original && !cell.Entered);
    cell.putEntered(2);
    EXPECT_TRUE(!cell.Original && cell.Entered);
}

TEST(Cell, CandidateOrdersArePermutationsThatDifferBetweenCells) {
    test::Bench bench(4, 4);
    std::vector<int> all(16);
    std::iota(all.begin(), all.end(), 0);
    int differing = 0;
    const PossOrder& first = bench.cells().getcellBigindex(0).sPossOrder;
    for (int b = 0; b < bench.cells().cellCount(); ++b) {
        const PossOrder& order = bench.cells().getcellBigindex(b).sPossOrder;
        std::vector<int> values;
        for (int p = 0; p < 16; ++p)
            values.push_back(order.ListGetValue(p));
        std::sort(values.begin(), values.end());
        EXPECT_EQ(values, all);
        differing += order.entries != first.entries;
    }
    EXPECT_GT(differing, 200);
}

}  // namespace
}  // namespace velmora
