// Cell operations whose counting and flag rules the rest of the program relies on.
#include <gtest/gtest.h>

#include "support/puzzle_fixture.h"

namespace velmora {
namespace {

class CellTest : public ::testing::Test {
  protected:
    test::Bench bench;
    scell& cell = bench.cells().getCell(0, 0);
    void SetUp() override { cell.clearallPossibilities(); }
};

TEST_F(CellTest, CountsFollowEveryAddAndRemoveOnce) {
    cell.putPossibility(3);
    cell.putPossibility(3);
    EXPECT_EQ(cell.countPossibilities, 1);
    EXPECT_EQ(cell.clearPossibility(5), 0);
    EXPECT_EQ(cell.countPossibilities, 1);
    EXPECT_EQ(cell.clearPossibility(3), 1);
    EXPECT_EQ(cell.countPossibilities, 0);
}

TEST_F(CellTest, SureCellsHoldNoCandidates) {
    cell.putPossibility(2);
    cell.putSure(4);
    EXPECT_EQ(cell.bPoss, 0u);
    EXPECT_EQ(cell.countPossibilities, 0);
    cell.bPoss = 0x7;
    EXPECT_EQ(cell.recountPossibilities(), 0);
}

TEST_F(CellTest, UpdateSureSettlesOnlyASingleCandidate) {
    EXPECT_EQ(cell.updateSure(), 0);
    EXPECT_FALSE(cell.Sure);
    cell.putPossibility(1);
    cell.putPossibility(6);
    EXPECT_EQ(cell.updateSure(), 2);
    EXPECT_FALSE(cell.Sure);
    cell.clearPossibility(1);
    EXPECT_EQ(cell.updateSure(), 1);
    EXPECT_TRUE(cell.Sure);
    EXPECT_EQ(cell.Trying, 7);
    EXPECT_FALSE(cell.Original || cell.Entered);
}

TEST_F(CellTest, NextPossIsTheHighestCandidate) {
    EXPECT_EQ(cell.nextPoss(), -1);
    cell.putPossibility(0);
    cell.putPossibility(4);
    EXPECT_EQ(cell.nextPoss(), 4);
}

TEST_F(CellTest, GivenAndEnteredExcludeEachOther) {
    cell.putEntered(3);
    cell.putOriginal(5);
    EXPECT_TRUE(cell.Original);
    EXPECT_FALSE(cell.Entered);
    cell.putEntered(2);
    EXPECT_FALSE(cell.Original);
    EXPECT_TRUE(cell.Entered);
}

TEST_F(CellTest, ClearKeepsInvalidButInitDropsIt) {
    cell.putSure(2);
    cell.putInvalid();
    EXPECT_TRUE(bench.cells().Invalid);
    cell.Clear();
    EXPECT_TRUE(cell.Invalid);
    EXPECT_FALSE(cell.Sure);
    cell.init(9, bench.wb->random());
    EXPECT_FALSE(cell.Invalid);
}

TEST_F(CellTest, ComparingAndSubtractingSets) {
    scell& other = bench.cells().getCell(0, 1);
    other.clearallPossibilities();
    EXPECT_EQ(cell.comparePossibilities(other), 0);  // equal but empty
    cell.putPossibility(2);
    cell.putPossibility(5);
    other.putPossibility(2);
    other.putPossibility(5);
    EXPECT_EQ(cell.comparePossibilities(other), 2);
    EXPECT_TRUE(cell.sUbset(other));
    other.putPossibility(7);
    EXPECT_FALSE(cell.sUbset(other));
    EXPECT_TRUE(other.sUbset(cell));
    EXPECT_EQ(other.unsetPossibilities(cell), 2);
    EXPECT_EQ(other.countPossibilities, 1);
    EXPECT_EQ(other.unsetPossibilities(cell), 0);
}

TEST(CellText, UnmaskUsesTheElementCharacters) {
    test::Bench bench(4, 4);
    scell& cell = bench.cells().getCell(0, 0);
    cell.clearallPossibilities();
    cell.putPossibility(9);
    cell.putPossibility(10);
    EXPECT_EQ(cell.unmask(), "0 A ");
    cell.clearallPossibilities();
    EXPECT_EQ(cell.unmask(), "");
}

TEST(CellOrder, CandidateOrdersArePermutationsThatDifferBetweenCells) {
    test::Bench bench(4, 4);
    int differing = 0;
    const PossOrder& first = bench.cells().getcellBigindex(0).sPossOrder;
    for (int b = 0; b < bench.cells().cellCount(); ++b) {
        const PossOrder& order = bench.cells().getcellBigindex(b).sPossOrder;
        std::vector<bool> seen(16);
        for (int p = 0; p < 16; ++p)
            seen[static_cast<std::size_t>(order.ListGetValue(p))] = true;
        EXPECT_EQ(std::count(seen.begin(), seen.end(), true), 16);
        if (order.entries != first.entries) ++differing;
    }
    EXPECT_GT(differing, 200);
}

}  // namespace
}  // namespace velmora
