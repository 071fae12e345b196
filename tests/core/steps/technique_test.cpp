// Hand-built units per technique: where it must fire, where it must not, and its switch.
#include <gtest/gtest.h>

#include "steps/step_finder.h"

namespace velmora {
namespace {

constexpr BoxShape k9{3, 3};

// Every cell open with every candidate: no rule applies until a test carves a pattern.
CandidateGrid blank(BoxShape shape = k9) {
    const auto cells = static_cast<std::size_t>(shape.cellCount());
    return {shape, std::vector<int>(cells, 0),
            std::vector<std::uint32_t>(cells, allValues(shape.n()))};
}
int at(int r, int c, int n = 9) {
    return r * n + c;
}
void set(CandidateGrid& g, int cell, std::initializer_list<int> values) {
    g.candidates[static_cast<std::size_t>(cell)] = 0;
    for (const int v : values)
        g.candidates[static_cast<std::size_t>(cell)] |= valueBit(v);
}
void drop(CandidateGrid& g, int cell, int v) {
    g.candidates[static_cast<std::size_t>(cell)] &= ~valueBit(v);
}
std::vector<int> range(int from, int to) {  // [from, to)
    std::vector<int> out;
    for (int i = from; i < to; ++i)
        out.push_back(i);
    return out;
}

TEST(StepTechniques, NakedSingleTakesTheFirstCellAndReadsPastStaleMarks) {
    CandidateGrid g = blank();
    EXPECT_EQ(findStep(g).state, GridState::Stuck);
    set(g, at(6, 1), {2});
    set(g, at(2, 4), {4});
    const StepFinding f = findStep(g);
    ASSERT_EQ(f.state, GridState::Step);
    EXPECT_EQ(f.step.technique, Technique::NakedSingle);
    EXPECT_EQ(f.step.placements, (std::vector<CellValue>{{at(2, 4), 4}}));

    // 7 is placed in the row, so the mark left beside 4 does not count.
    g = blank();
    g.values[0] = 7;
    g.candidates[0] = 0;
    set(g, at(0, 5), {4, 7});
    EXPECT_EQ(findStep(g).step.placements, (std::vector<CellValue>{{at(0, 5), 4}}));
}

TEST(StepTechniques, HiddenSingleLooksInBoxesThenRowsThenColumnsAndNeedsGrabs) {
    struct Case {
        UnitRef unit;
        int cell;
    };
    for (const Case& c :
         {Case{{kBox, 4}, at(4, 4)}, Case{{kRow, 7}, at(7, 2)}, Case{{kColumn, 8}, at(1, 8)}}) {
        CandidateGrid g = blank();
        for (int cell = 0; cell < 81; ++cell)
            if (cell != c.cell && (c.unit.type == kBox   ? k9.boxOf(cell / 9, cell % 9) == 4
                                   : c.unit.type == kRow ? cell / 9 == c.unit.index
                                                         : cell % 9 == c.unit.index))
                drop(g, cell, 6);
        const StepFinding f = findStep(g);
        EXPECT_EQ(f.step.technique, Technique::HiddenSingle);
        EXPECT_EQ(f.step.units, std::vector<UnitRef>{c.unit});
        EXPECT_EQ(f.step.placements, (std::vector<CellValue>{{c.cell, 6}}));
        EXPECT_EQ(findStep(g, RuleSwitches{.grabs = false}).state, GridState::Stuck);
    }
}

TEST(StepTechniques, BoxLineWorksFromTheBoxToTheLineOnly) {
    CandidateGrid g = blank();
    for (const int c : range(0, 3))
        for (const int r : {1, 2})
            drop(g, at(r, c), 5);
    StepFinding f = findStep(g);
    EXPECT_EQ(f.step.technique, Technique::BoxLine);
    EXPECT_EQ(f.step.units, (std::vector<UnitRef>{{kBox, 0}, {kRow, 0}}));
    EXPECT_EQ(f.step.cells, range(0, 3));
    ASSERT_EQ(f.step.eliminations.size(), 6u);
    EXPECT_EQ(f.step.eliminations.front(), (CellValue{at(0, 3), 5}));
    EXPECT_EQ(findStep(g, RuleSwitches{.grabs = false}).state, GridState::Stuck);

    g = blank();  // the column case
    for (const int r : range(0, 3))
        for (const int c : {1, 2})
            drop(g, at(r, c), 5);
    f = findStep(g);
    EXPECT_EQ(f.step.units, (std::vector<UnitRef>{{kBox, 0}, {kColumn, 0}}));
    EXPECT_EQ(f.step.eliminations.back(), (CellValue{at(8, 0), 5}));

    // Row 1 holds 5 only inside box 1; the line-to-box direction is not one of the rules.
    g = blank();
    for (const int c : range(3, 9))
        drop(g, at(0, c), 5);
    EXPECT_EQ(findStep(g).state, GridState::Stuck);
}

TEST(StepTechniques, NakedPairNeedsSomethingToRemoveAndItsSwitch) {
    CandidateGrid g = blank();
    set(g, at(2, 1), {4, 8});
    set(g, at(2, 6), {4, 8});
    const StepFinding f = findStep(g);
    EXPECT_EQ(f.step.technique, Technique::NakedPair);
    EXPECT_EQ(f.step.units, (std::vector<UnitRef>{{kRow, 2}}));
    EXPECT_EQ(f.step.eliminations.size(), 14u);
    EXPECT_EQ(findStep(g, RuleSwitches{.pairs = false}).state, GridState::Stuck);

    for (const int c : range(0, 9))
        if (c != 1 && c != 6) set(g, at(2, c), {1, 2, 3, 5, 6, 7, 9});
    EXPECT_EQ(findStep(g).state, GridState::Stuck);
}

// A ring of cells in row 1: cell i holds values i and i+1, the last wraps to 1. No part of it is
// a smaller subset; it keeps every box's first-row segment partly free, so no box-line applies.
CandidateGrid ring(BoxShape shape, int size, std::vector<int>& cells) {
    CandidateGrid g = blank(shape);
    cells.clear();
    for (int c = 0; c < shape.n() && static_cast<int>(cells.size()) < size; ++c)
        if (c % shape.cols != shape.cols - 1) cells.push_back(c);
    for (int i = 0; i < static_cast<int>(cells.size()); ++i)
        set(g, cells[static_cast<std::size_t>(i)], {i + 1, (i + 1) % size + 1});
    return g;
}

TEST(StepTechniques, NakedSubsetsUpToHalfTheGridOnEveryShape) {
    for (const BoxShape shape : kBoxShapes) {
        SCOPED_TRACE(std::to_string(shape.rows) + "x" + std::to_string(shape.cols));
        const int n = shape.n(), k = largestNakedSubset(n);
        std::vector<int> cells;
        CandidateGrid g = ring(shape, k, cells);
        const StepFinding f = findStep(g);
        EXPECT_EQ(f.step.technique, nakedSubsetTechnique(k));
        EXPECT_EQ(f.step.cells, cells);
        EXPECT_EQ(f.step.values, allValues(k));
        EXPECT_EQ(f.step.eliminations.size(), static_cast<std::size_t>((n - k) * k));
        // In small grids the cells off the ring form a hidden pair.
        RuleSwitches off{.hiddenPairs = false};
        (k == 2 ? off.pairs : k == 3 ? off.triplets : k == 4 ? off.quads : off.more) = false;
        EXPECT_EQ(findStep(g, off).state, GridState::Stuck);

        g = ring(shape, k + 1, cells);
        if (static_cast<int>(cells.size()) == k + 1) {
            EXPECT_EQ(findStep(g, {.hiddenPairs = false}).state, GridState::Stuck);
        }
    }
}

TEST(StepTechniques, HiddenPairKeepsOnlyThePairAndNeedsItsSwitch) {
    CandidateGrid g = blank();
    for (const int r : range(0, 9))
        if (r != 0 && r != 4)
            for (const int v : {2, 6})
                drop(g, at(r, 3), v);
    const StepFinding f = findStep(g);
    EXPECT_EQ(f.step.technique, Technique::HiddenPair);
    EXPECT_EQ(f.step.units, (std::vector<UnitRef>{{kColumn, 3}}));
    EXPECT_EQ(f.step.cells, (std::vector<int>{at(0, 3), at(4, 3)}));
    EXPECT_EQ(f.step.eliminations.size(), 14u);
    EXPECT_EQ(findStep(g, RuleSwitches{.hiddenPairs = false}).state, GridState::Stuck);

    set(g, at(0, 3), {2, 6});  // now nothing is left to remove
    set(g, at(4, 3), {2, 6});
    EXPECT_EQ(findStep(g).state, GridState::Stuck);
}

TEST(StepTechniques, ConflictsAndDeadCellsComeInsteadOfAStep) {
    CandidateGrid g = blank();
    for (const int cell : {at(0, 1), at(0, 6), at(1, 0)}) {
        g.values[static_cast<std::size_t>(cell)] = 5;
        g.candidates[static_cast<std::size_t>(cell)] = 0;
    }
    set(g, at(3, 3), {});
    set(g, at(8, 0), {5});  // 5 is placed in its column
    const StepFinding f = findStep(g);
    EXPECT_EQ(f.state, GridState::Conflict);
    // r1c2 and r2c1 share a box; r1c2 and r1c7 a row.
    EXPECT_EQ(f.conflicts,
              (std::vector<Conflict>{{at(0, 1), at(0, 6), 5}, {at(0, 1), at(1, 0), 5}}));
    EXPECT_EQ(f.deadCells, (std::vector<int>{at(3, 3), at(8, 0)}));

    g.values[static_cast<std::size_t>(at(0, 6))] = 0;
    g.values[static_cast<std::size_t>(at(1, 0))] = 0;
    EXPECT_EQ(findStep(g).state, GridState::DeadCells);
}

}  // namespace
}  // namespace velmora
