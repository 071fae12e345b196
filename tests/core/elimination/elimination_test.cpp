// The elimination rules on hand-built candidate sets, where they must fire and where not, and
// the pass on real and random grids of every shape: basic candidates, fixed point, counters,
// switches and soundness.
#include <gtest/gtest.h>

#include <bit>
#include <initializer_list>

#include "bench.h"
#include "elimination/candidates.h"
#include "elimination/elimination_pass.h"
#include "elimination/grid_build.h"
#include "solving/guess_solver.h"

namespace velmora::test {
namespace {

using Set = std::vector<int>;

class UnitRules : public ::testing::Test {
  protected:
    Bench bench;
    scells& grid = bench.cells();
    std::vector<int>& subsets = bench.wb->module().neSubsets;
    void SetUp() override { bench.pc().Experimental = true; }
    // Gives the cell (r, c) the candidates `elements`; r = -1: every cell.
    void set(int r, int c, std::initializer_list<int> elements) {
        for (scell& cell : grid.cells()) {
            if (r >= 0 && (cell.meRow != r || cell.meCol != c)) continue;
            cell.clearallPossibilities();
            for (const int e : elements)
                cell.putPossibility(e - 1);
        }
    }
    Set at(int r, int c) {
        Set elements;
        for (int i = 0; i < kMaxDim; ++i)
            if (grid.getCell(r, c).getPossibility(i)) elements.push_back(i + 1);
        return elements;
    }
};

TEST_F(UnitRules, HiddenSingleForcesTheOnlyPlaceEvenInTheLastCell) {
    set(-1, 0, {1, 2, 3, 4, 6, 7, 8, 9});
    set(0, 8, {2, 5, 7});
    set(8, 0, {2, 5, 7});
    EXPECT_EQ(pokeMustBe(grid, 0, kRow) + pokeMustBe(grid, 0, kColumn), 0);  // not counted
    EXPECT_EQ(at(0, 8), Set{5});
    EXPECT_EQ(at(8, 0), Set{5});
    EXPECT_FALSE(grid.getCell(0, 8).Sure);
    EXPECT_EQ(at(0, 0).size(), 8u);
}

TEST_F(UnitRules, NakedSubsetsClearTheRestOfTheUnitUpToItsLastCell) {
    for (int r = 0; r < 9; ++r)  // a naked single
        set(r, 5, {2, 3, 8});
    set(4, 5, {3});
    EXPECT_EQ(pokeDisjointSubsets(grid, 5, kColumn), 8);
    EXPECT_EQ(at(8, 5), Set({2, 8}));
    EXPECT_EQ(subsets[0], 8);
    for (int c = 2; c < 8; ++c)  // a naked pair at the front of row 0, {1,4,5} at its end
        grid.getCell(0, c).putSure(c < 4 ? c : c + 2);
    set(0, 0, {1, 4});
    set(0, 1, {1, 4});
    set(0, 8, {1, 4, 5});
    EXPECT_EQ(pokeDisjointSubsets(grid, 0, kRow), 2);
    EXPECT_EQ(at(0, 8), Set{5});
    EXPECT_EQ(subsets[1], 2);
    for (int r = 0; r < 9; ++r)  // a triplet is found around a cell holding the whole union
        set(r, 0, {1, 2, 3, 4, 5});
    set(0, 0, {1, 2});
    set(1, 0, {2, 3});
    set(2, 0, {1, 3});
    EXPECT_EQ(pokeDisjointSubsets(grid, 0, kColumn), 0);
    set(0, 0, {1, 2, 3});
    EXPECT_EQ(pokeDisjointSubsets(grid, 0, kColumn), 18);
    EXPECT_EQ(at(8, 0), Set({4, 5}));
    EXPECT_EQ(subsets[2], 18);
}

TEST_F(UnitRules, HiddenPairsStripTheirCellsWhereSwitchedOn) {
    set(-1, 0, {1, 2, 3, 4, 5, 6});
    set(3, 4, {2, 5, 7, 8, 9});  // in box 4 only these two cells hold 7 and 8
    set(5, 5, {1, 7, 8});
    EXPECT_EQ(pokeHiddenPairs(grid, 4, kBox), 4);
    EXPECT_EQ(at(3, 4), Set({7, 8}));
    EXPECT_EQ(at(5, 5), Set({7, 8}));
    const auto rowPair = [&] {
        set(0, 2, {1, 7, 8});
        set(0, 8, {3, 7, 8});
        return pokeUnitSubsets(grid, 0, kRow);
    };
    EXPECT_EQ(rowPair(), 2);
    EXPECT_EQ(bench.wb->sBlock().neHPairs, 2);
    bench.settings.hiddenPairs = false;
    readSubsetSwitches(bench.pc());
    EXPECT_EQ(rowPair(), 0);
    bench.settings.hiddenPairs = true;
    readSubsetSwitches(bench.pc());
    bench.pc().Experimental = false;  // simple elimination, but a solve uses every rule
    EXPECT_EQ(rowPair(), 0);
    bench.pc().solving = true;
    EXPECT_EQ(rowPair(), 2);
}

TEST_F(UnitRules, BoxLineRemovesAlongTheLineOutsideTheBoxOnly) {
    set(-1, 0, {1, 2, 3, 4});
    for (int k = 0; k < 9; ++k)
        set(k / 3, k % 3, {1, 2});
    set(0, 0, {2, 4});  // 4 only in row 0 of box 0
    set(0, 2, {1, 4});
    grid.getCell(0, 5).putSure(9);
    EXPECT_EQ(pokeGrabs(grid, 0), 5);
    for (int c = 0; c < 9; ++c)
        EXPECT_EQ(grid.getCell(0, c).getPossibility(3), c == 0 || c == 2) << c;
    EXPECT_EQ(pokeGrabs(grid, 0), 0);
    set(-1, 0, {1, 4});  // one cell of the box holding 4 grabs its row and its column
    for (int k = 0; k < 9; ++k)
        set(k / 3, k % 3, {1, 2});
    set(1, 1, {4});
    EXPECT_EQ(pokeGrabs(grid, 0), 12);
    EXPECT_EQ(at(1, 8), Set{1});
    EXPECT_EQ(at(8, 1), Set{1});
    EXPECT_EQ(at(2, 8), Set({1, 4}));
    // Box 1 of a 2x3 grid is rows 0-1, columns 3-5; 6 only in (1,4) of it.
    Bench six(2, 3);
    for (scell& cell : six.cells().cells()) {
        cell.clearallPossibilities();
        cell.putPossibility(cell.boxNumber == 1 ? 4 : 5);
        cell.putPossibility(4);
    }
    six.cell(1, 4).putPossibility(5);
    EXPECT_EQ(pokeGrabs(six.cells(), 1), 3 + 4);
    EXPECT_FALSE(six.cell(1, 0).getPossibility(5) || six.cell(5, 4).getPossibility(5));
    EXPECT_TRUE(six.cell(0, 0).getPossibility(5) && six.cell(1, 4).getPossibility(5));
}

int countersTotal(Bench& bench) {
    int total = bench.wb->sBlock().neGrabs + bench.wb->sBlock().neHPairs;
    for (const int c : bench.wb->module().neSubsets)
        total += c;
    return total;
}

// The pass on `bench`'s grid, whose solution is `solution`: basic candidates without complex
// rules; with them a fixed point whose counters add up; no candidate or value the solution
// needs lost, by the pass or by solving with logic.
void checkPass(Bench& bench, const std::vector<int>& solution) {
    scells& grid = bench.cells();
    EXPECT_EQ(rebuildPossibilities(grid, false), 0);
    for (const scell& cell : grid.cells()) {
        std::uint32_t basic = allCandidates(bench.n());  // no value of a unit it shares
        for (const scell& o : grid.cells())
            if (o.Sure &&
                (o.meRow == cell.meRow || o.meCol == cell.meCol || o.boxNumber == cell.boxNumber))
                basic &= ~candidateBit(o.Trying - 1);
        ASSERT_TRUE(cell.Sure || cell.bPoss == basic) << cell.meRow << "," << cell.meCol;
    }
    const int removed = rebuildPossibilities(grid, true);
    EXPECT_EQ(removed, countersTotal(bench));
    EXPECT_EQ(runEliminations(grid), 0);
    for (int pass = 0; pass < 2; ++pass, allPossibilities(grid)) {
        for (int b = 0; b < grid.cellCount(); ++b) {
            const scell& cell = grid.getcellBigindex(b);
            const int v = solution[static_cast<std::size_t>(b)];
            ASSERT_TRUE(cell.Sure ? cell.Trying == v : cell.getPossibility(v - 1)) << "cell " << b;
            ASSERT_TRUE(cell.Sure || cell.countPossibilities == std::popcount(cell.bPoss));
        }
    }
}

TEST(EliminationPass, IsSoundOnEverySampleAndOnRandomGridsWithRandomSwitches) {
    for (const BoxShape shape : kBoxShapes) {
        SCOPED_TRACE(shapeName(shape));
        Bench bench(shape.rows, shape.cols);
        bench.pc().Experimental = true;
        for (const SamplePuzzle& s : loadSamples("singles-" + shapeName(shape) + ".txt")) {
            bench.enterGivens(s.puzzle);
            checkPass(bench, valuesOf(s.solution));
        }
        Rng rng(300 + static_cast<std::uint64_t>(shape.n()));
        for (int i = 0; i < 25; ++i) {
            SCOPED_TRACE("case " + std::to_string(i));
            for (bool& on : bench.settings.subsets)
                on = chance(rng, 0.7);
            bench.settings.grabs = chance(rng, 0.7);
            bench.settings.hiddenPairs = chance(rng, 0.7);
            const std::vector<int> solution = randomGrid(shape, rng);
            const double density = 0.15 + 0.5 * std::uniform_real_distribution<>()(rng);
            std::vector<int> givens = solution;
            for (int& v : givens)
                v = chance(rng, density) ? v : 0;
            bench.enterGivens(givens);
            checkPass(bench, solution);
        }
    }
}

TEST(EliminationPass, LogicFinishesWhatNeedsMoreThanSinglesUnlessSwitchedOff) {
    int stuck = 0;
    for (const SamplePuzzle& s : loadSamples("logic-3x3.txt")) {
        Bench bench;
        bench.enterGivens(s.puzzle);
        EXPECT_EQ(tryIt(bench.cells()), 1);
        EXPECT_EQ(bench.gridText(), s.solution);
        bench.settings.grabs = bench.settings.hiddenPairs = false;
        bench.settings.subsets = {true, false, false, false, false};
        bench.enterGivens(s.puzzle);
        stuck += tryIt(bench.cells()) == 2;
        EXPECT_EQ(bench.wb->sBlock().neGrabs + bench.wb->module().neSubsets[1], 0);
    }
    EXPECT_GT(stuck, 0);
    for (const SamplePuzzle& s : loadSamples("guessing-3x3.txt")) {
        Bench bench;
        bench.enterGivens(s.puzzle);
        EXPECT_EQ(tryIt(bench.cells()), 2);
    }
}

}  // namespace
}  // namespace velmora::test
