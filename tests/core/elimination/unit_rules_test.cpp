// The rules inside one unit, on hand-built candidate sets: where they must fire and where not.
#include <gtest/gtest.h>

#include <initializer_list>

#include "support/puzzle_fixture.h"

namespace velmora {
namespace {

void setCandidates(scell& cell, std::initializer_list<int> elements) {
    cell.clearallPossibilities();
    for (int e : elements)
        cell.putPossibility(e - 1);
}

std::vector<int> candidatesOf(const scell& cell) {
    std::vector<int> elements;
    for (int i = 0; i < 18; ++i)
        if (cell.getPossibility(i)) elements.push_back(i + 1);
    return elements;
}

class UnitRules : public ::testing::Test {
  protected:
    test::Bench bench;
    scells& grid = bench.cells();
    void SetUp() override { bench.pc().Experimental = true; }
    scell& at(int r, int c) { return grid.getCell(r, c); }
    // Row 0 holds 4..9 in (0,3)..(0,8); (0,0) and (0,1) are the naked pair {1,4}, (0,2) {1,4,6}.
    void nakedPairRow() {
        for (int c = 3; c < 9; ++c)
            at(0, c).putSure(c + 1);
        setCandidates(at(0, 0), {1, 4});
        setCandidates(at(0, 1), {1, 4});
        setCandidates(at(0, 2), {1, 4, 6});
    }
};

TEST_F(UnitRules, HiddenSingleForcesTheOnlyPlaceButReportsNothing) {
    for (int c = 0; c < 9; ++c)
        setCandidates(at(0, c), {1, 2, 3, 4, 6, 7, 8, 9});
    setCandidates(at(0, 4), {2, 5, 7});
    EXPECT_EQ(grid.pokeMustBe(0, kRow), 0);
    EXPECT_EQ(candidatesOf(at(0, 4)), std::vector<int>({5}));
    EXPECT_EQ(at(0, 4).countPossibilities, 1);
    EXPECT_FALSE(at(0, 4).Sure);
    EXPECT_EQ(at(0, 0).countPossibilities, 8);
}

TEST_F(UnitRules, NakedPairClearsTheRestOfTheUnitAndIsCounted) {
    nakedPairRow();
    EXPECT_EQ(grid.pokeDisjointSubsets(0, kRow), 2);
    EXPECT_EQ(candidatesOf(at(0, 2)), std::vector<int>({6}));
    EXPECT_EQ(bench.wb->neSubsets[1], 2);
}

TEST_F(UnitRules, SwitchedOffSubsetSizesAndSimpleEliminationDoNothing) {
    nakedPairRow();
    bench.settings.subsets[1] = false;
    bench.wb->readSubsetSwitches();
    EXPECT_EQ(grid.pokeDisjointSubsets(0, kRow), 0);
    EXPECT_EQ(at(0, 2).countPossibilities, 3);

    bench.settings.subsets[1] = true;
    bench.wb->readSubsetSwitches();
    bench.pc().Experimental = false;
    EXPECT_EQ(grid.pokeUnitSubsets(0, kRow), 0);
    bench.pc().solving = true;  // the solver always uses the switched-on rules
    EXPECT_EQ(grid.pokeUnitSubsets(0, kRow), 2);
}

TEST_F(UnitRules, NakedSingleRemovesItsValueFromTheUnit) {
    for (int r = 0; r < 9; ++r)
        setCandidates(at(r, 5), {2, 3, 8});
    setCandidates(at(4, 5), {3});
    EXPECT_EQ(grid.pokeDisjointSubsets(5, kColumn), 8);
    EXPECT_EQ(candidatesOf(at(0, 5)), std::vector<int>({2, 8}));
    EXPECT_EQ(bench.wb->neSubsets[0], 8);
}

TEST_F(UnitRules, TripletNeedsACellHoldingTheWholeUnion) {
    for (int r = 0; r < 9; ++r)
        setCandidates(at(r, 0), {1, 2, 3, 4, 5});
    setCandidates(at(0, 0), {1, 2});
    setCandidates(at(1, 0), {2, 3});
    setCandidates(at(2, 0), {1, 3});
    EXPECT_EQ(grid.pokeDisjointSubsets(0, kColumn), 0);

    setCandidates(at(0, 0), {1, 2, 3});
    setCandidates(at(1, 0), {1, 2});
    setCandidates(at(2, 0), {2, 3});
    EXPECT_EQ(grid.pokeDisjointSubsets(0, kColumn), 18);
    EXPECT_EQ(candidatesOf(at(5, 0)), std::vector<int>({4, 5}));
    EXPECT_EQ(bench.wb->neSubsets[2], 18);
}

TEST_F(UnitRules, HiddenPairStripsBothCells) {
    for (int k = 0; k < 9; ++k)
        setCandidates(grid.getcellBigindex(bench.wb->unitCell(k, 4, kBox)), {1, 2, 3, 4, 5, 6});
    scell& a = grid.getcellBigindex(bench.wb->unitCell(1, 4, kBox));
    scell& b = grid.getcellBigindex(bench.wb->unitCell(7, 4, kBox));
    setCandidates(a, {2, 5, 7, 8, 9});
    setCandidates(b, {1, 7, 8});
    EXPECT_EQ(grid.pokeHiddenPairs(4, kBox, 2), 4);
    EXPECT_EQ(candidatesOf(a), std::vector<int>({7, 8}));
    EXPECT_EQ(candidatesOf(b), std::vector<int>({7, 8}));
}

TEST_F(UnitRules, HiddenPairsFeedTheirCounterThroughTheUnitEntry) {
    for (int c = 0; c < 9; ++c)
        setCandidates(at(0, c), {1, 2, 3, 4, 5, 6});
    setCandidates(at(0, 2), {1, 7, 8});
    setCandidates(at(0, 6), {3, 7, 8});
    EXPECT_EQ(grid.pokeUnitSubsets(0, kRow), 2);
    EXPECT_EQ(bench.wb->sBlock().neHPairs, 2);

    bench.settings.hiddenPairs = false;
    bench.wb->readSubsetSwitches();
    setCandidates(at(0, 2), {1, 7, 8});
    EXPECT_EQ(grid.pokeUnitSubsets(0, kRow), 0);
}

TEST_F(UnitRules, BoxLineRemovesAlongASingleRow) {
    for (int b = 0; b < 81; ++b)
        setCandidates(grid.getcellBigindex(b), {1, 2, 3, 4});
    for (int r = 0; r < 3; ++r)
        for (int c = 0; c < 3; ++c)
            setCandidates(at(r, c), {1, 2});
    setCandidates(at(0, 0), {2, 4});
    setCandidates(at(0, 2), {1, 4});
    at(0, 5).putSure(9);
    EXPECT_EQ(grid.pokeGrabs(0), 5);  // 4 leaves (0,3)..(0,8) apart from the Sure one
    for (int c = 3; c < 9; ++c)
        EXPECT_FALSE(at(0, c).getPossibility(3)) << c;
    EXPECT_TRUE(at(0, 0).getPossibility(3));
    EXPECT_EQ(grid.pokeGrabs(0), 0);
}

TEST_F(UnitRules, BoxLineFromOneCellWorksBothWays) {
    for (int b = 0; b < 81; ++b)
        setCandidates(grid.getcellBigindex(b), {1, 4});
    for (int r = 0; r < 3; ++r)
        for (int c = 0; c < 3; ++c)
            setCandidates(at(r, c), {1, 2});
    setCandidates(at(1, 1), {4});
    EXPECT_EQ(grid.pokeGrabs(0), 12);
    EXPECT_FALSE(at(1, 8).getPossibility(3));
    EXPECT_FALSE(at(8, 1).getPossibility(3));
    EXPECT_TRUE(at(2, 8).getPossibility(3));

    // A full box removes nothing.
    for (int k = 0; k < 9; ++k)
        grid.getcellBigindex(bench.wb->unitCell(k, 8, kBox)).putSure(k + 1);
    EXPECT_EQ(grid.pokeGrabs(8), 0);
}

TEST(BoxLine, RectangularBoxesScanTheirOwnRowsAndColumns) {
    test::Bench bench(2, 3);
    scells& grid = bench.cells();
    for (int b = 0; b < 36; ++b)
        setCandidates(grid.getcellBigindex(b), {5, 6});
    // Box 1 is rows 0-1, columns 3-5; 6 only in (1,4) of it.
    for (int r = 0; r < 2; ++r)
        for (int c = 3; c < 6; ++c)
            setCandidates(grid.getCell(r, c), {5});
    setCandidates(grid.getCell(1, 4), {5, 6});
    EXPECT_EQ(grid.pokeGrabs(1), 3 + 4);
    EXPECT_FALSE(grid.getCell(1, 0).getPossibility(5));
    EXPECT_FALSE(grid.getCell(5, 4).getPossibility(5));
    EXPECT_TRUE(grid.getCell(0, 0).getPossibility(5));
}

}  // namespace
}  // namespace velmora
