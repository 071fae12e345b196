// Replays explained paths of the sample puzzles of every shape against their solutions, and of
// generated puzzles against the program's own solver.
#include <gtest/gtest.h>

#include <algorithm>
#include <bit>
#include <random>
#include <set>

#include "bench.h"
#include "commands/commands.h"
#include "exact/samples.h"
#include "steps/explained_path.h"
#include "steps/rating.h"

namespace velmora::test {
namespace {

bool inUnit(BoxShape s, UnitRef u, int cell) {
    const int r = cell / s.n(), c = cell % s.n();
    return u.type == kRow      ? r == u.index
           : u.type == kColumn ? c == u.index
                               : s.boxOf(r, c) == u.index;
}

bool holds(const CandidateGrid& g, int cell, int v) {
    return g.isOpen(cell) && (g.candidatesAt(cell) & valueBit(v)) != 0;
}

// The open cells of `u` that can hold v.
std::vector<int> placesOf(const CandidateGrid& g, UnitRef u, int v) {
    std::vector<int> places;
    for (int cell = 0; cell < g.cellCount(); ++cell)
        if (inUnit(g.shape, u, cell) && holds(g, cell, v)) places.push_back(cell);
    return places;
}

bool contains(const std::vector<int>& cells, int cell) {
    return std::find(cells.begin(), cells.end(), cell) != cells.end();
}

// Whether `step` is what its technique says on `grid`, judged cell by cell from row, column and
// box arithmetic rather than the finder's unit scans.
bool patternHolds(const CandidateGrid& g, const Step& step) {
    if (step.placements.empty() && step.eliminations.empty()) return false;
    for (const CellValue& e : step.eliminations)
        if (!holds(g, e.cell, e.value)) return false;
    const int lowest = std::countr_zero(step.values) + 1;
    switch (step.technique) {
        case Technique::NakedSingle:
            return step.placements.size() == 1 && g.isOpen(step.placements[0].cell) &&
                   g.candidatesAt(step.placements[0].cell) == valueBit(step.placements[0].value);
        case Technique::HiddenSingle:
            return step.placements.size() == 1 &&
                   placesOf(g, step.units[0], step.placements[0].value) ==
                       std::vector<int>{step.placements[0].cell};
        case Technique::BoxLine: {
            const std::vector<int> inBox = placesOf(g, step.units[0], lowest);
            return !inBox.empty() && std::all_of(inBox.begin(), inBox.end(), [&](int c) {
                return inUnit(g.shape, step.units[1], c);
            }) && std::all_of(step.eliminations.begin(), step.eliminations.end(), [&](auto e) {
                return e.value == lowest && inUnit(g.shape, step.units[1], e.cell) &&
                       !inUnit(g.shape, step.units[0], e.cell);
            });
        }
        case Technique::HiddenPair:
            for (std::uint32_t vs = step.values; vs != 0; vs &= vs - 1)
                if (placesOf(g, step.units[0], std::countr_zero(vs) + 1) != step.cells)
                    return false;
            return std::all_of(step.eliminations.begin(), step.eliminations.end(), [&](auto e) {
                return contains(step.cells, e.cell) && !(step.values & valueBit(e.value));
            });
        default: {  // naked subsets
            std::uint32_t joined = 0;
            for (const int cell : step.cells) {
                if (!g.isOpen(cell) || !inUnit(g.shape, step.units[0], cell)) return false;
                joined |= g.candidatesAt(cell);
            }
            return joined == step.values &&
                   std::popcount(joined) == static_cast<int>(step.cells.size()) &&
                   std::all_of(step.eliminations.begin(), step.eliminations.end(), [&](auto e) {
                       return inUnit(g.shape, step.units[0], e.cell) &&
                              !contains(step.cells, e.cell) && (joined & valueBit(e.value));
                   });
        }
    }
}

// Every step's pattern holds on the grid it was found on, and no step places a value other than
// the solution's or removes the solution's value.
void expectSoundReplay(CandidateGrid grid, const ExplainedPath& path,
                       const std::vector<int>& solution) {
    for (const Step& step : path.steps) {
        ASSERT_TRUE(patternHolds(grid, step)) << techniqueCode(step.kind());
        for (const CellValue& p : step.placements)
            ASSERT_EQ(p.value, solution[static_cast<std::size_t>(p.cell)]);
        for (const CellValue& e : step.eliminations)
            ASSERT_NE(e.value, solution[static_cast<std::size_t>(e.cell)]);
        applyStep(grid, step);
    }
    EXPECT_EQ(grid, path.finalGrid);
}

TEST(StepPaths, SinglesSamplesOfEveryShapeEndSolvedBySinglesAlone) {
    for (const BoxShape shape : kBoxShapes) {
        for (const auto& p : exact_test::samples(exact_test::singlesFile(shape), 50)) {
            const ExplainedPath path = explainGivens(shape, p.puzzle);
            expectSoundReplay(CandidateGrid::fromValues(shape, p.puzzle), path, p.solution);
            EXPECT_EQ(path.outcome, PathOutcome::Solved);
            EXPECT_EQ(path.finalGrid.values, p.solution);
            for (const Step& step : path.steps)
                EXPECT_LE(step.technique, Technique::HiddenSingle) << "singles alone";
            EXPECT_EQ(ratePath(path).level, Level::Easy);
        }
    }
}

// Fewer givens and pencil marks thinned by hand: random givens dropped, random wrong candidates
// removed. The solution still fits every candidate, so no sound step may contradict it. Under
// three sets of switches the finder meets every technique on the way.
TEST(StepPaths, ThinnedPencilMarksStillGiveSoundSteps) {
    const RuleSwitches onlyHiddenPairs{
        .pairs = false, .triplets = false, .quads = false, .more = false, .grabs = false};
    std::mt19937 random(2024);
    std::set<Technique> seen;
    for (const RuleSwitches& switches :
         {RuleSwitches{}, RuleSwitches{.grabs = false}, onlyHiddenPairs}) {
        for (const BoxShape shape : kBoxShapes) {
            for (const auto& p : exact_test::samples(exact_test::singlesFile(shape), 50)) {
                std::vector<int> givens = p.puzzle;
                for (int& v : givens)
                    if (random() % 4 == 0) v = 0;
                CandidateGrid grid = CandidateGrid::fromValues(shape, givens);
                for (std::size_t cell = 0; cell < grid.candidates.size(); ++cell)
                    for (int v = 1; v <= shape.n(); ++v)
                        if (v != p.solution[cell] && random() % 12 == 0)
                            grid.candidates[cell] &= ~valueBit(v);
                const ExplainedPath path = explainPath(grid, switches);
                expectSoundReplay(grid, path, p.solution);
                for (const Step& step : path.steps)
                    seen.insert(step.technique);
            }
        }
    }
    EXPECT_EQ(seen.size(), 8u);
}

TEST(StepPaths, NineByNineSamplesAreSoundAndRatedByWhereTheyEnd) {
    std::vector<int> easyScores, harderScores;
    // The generated and logic puzzles are finished by these rules; the guessing ones are not.
    for (const auto& [file, outcome] : {std::pair{"logic-3x3.txt", PathOutcome::Solved},
                                        {"generated-3x3.txt", PathOutcome::Solved},
                                        {"guessing-3x3.txt", PathOutcome::Stuck},
                                        {"singles-3x3.txt", PathOutcome::Solved}}) {
        for (const auto& p : exact_test::samples(file, 1000)) {
            const ExplainedPath path = explainGivens({3, 3}, p.puzzle);
            expectSoundReplay(CandidateGrid::fromValues({3, 3}, p.puzzle), path, p.solution);
            EXPECT_EQ(path.outcome, outcome) << file;
            const Rating rating = ratePath(path);
            EXPECT_EQ(rating.level == Level::Beyond, path.outcome == PathOutcome::Stuck);
            EXPECT_EQ(rating.steps, static_cast<int>(path.steps.size()));
            (rating.level == Level::Easy ? easyScores : harderScores).push_back(rating.score);
        }
    }
    ASSERT_FALSE(easyScores.empty());
    ASSERT_FALSE(harderScores.empty());
    EXPECT_LT(*std::max_element(easyScores.begin(), easyScores.end()),
              *std::min_element(harderScores.begin(), harderScores.end()));
}

// With every rule on the path finishes every generated puzzle, of every shape, with the solver's
// solution.
TEST(StepPaths, FinishesWhatTheRulesFinishOnEveryShape) {
    for (const BoxShape shape : kBoxShapes) {
        Bench bench(shape.rows, shape.cols, 11);
        bench.settings.difficultyValue = 100;
        for (int round = 0; round < 2; ++round) {
            cbGenerate_Click(*bench.wb);
            const ExplainedPath path = explainGivens(shape, bench.values(true));
            cbSolve_Click(*bench.wb);
            ASSERT_EQ(bench.cells().SolvedStatus, 1);
            EXPECT_EQ(path.outcome, PathOutcome::Solved) << shapeName(shape);
            EXPECT_EQ(path.finalGrid.values, bench.values()) << shapeName(shape);
        }
    }
}

}  // namespace
}  // namespace velmora::test
