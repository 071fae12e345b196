// The guessing solver (when it guesses, what it leaves on the grid stack, its limit), the hint,
// the property that a solve never breaks a given or a rule, and the generator: its target, and
// what every puzzle of every shape must be: a genuine Sudoku (one solution, by an independent
// counter) from its base grid that the switched-on rules finish alone.
#include <gtest/gtest.h>

#include <cmath>
#include <cstdio>

#include "bench.h"
#include "commands/commands.h"
#include "solution_count.h"
#include "solving/generator.h"
#include "solving/guess_solver.h"
#include "solving/hint.h"
#include "solving/solve_driver.h"

namespace velmora::test {
namespace {

TEST(GuessSolve, LogicAloneNeedsOneCallAndNoCopyAndNothingIsGuessedWithoutBruteForce) {
    Bench bench;
    bench.enterGivens(loadSamples("logic-3x3.txt").at(0).puzzle);
    EXPECT_EQ(guessSolve(bench.pc(), nullptr, false), 1);
    EXPECT_EQ(bench.wb->sBlock().Tries, 1);
    EXPECT_EQ(bench.wb->sBlock().scColl.size(), 2u);
    bench.enterGivens(loadSamples("guessing-3x3.txt").at(0).puzzle);
    EXPECT_EQ(guessSolve(bench.pc(), nullptr, false), 2);
    EXPECT_EQ(bench.wb->sBlock().scColl.size(), 2u);
    EXPECT_EQ(bench.status.panel(Panel::Result), "");
    // (0,8) has no candidate, behind cells the rules leave undecided: a contradiction.
    bench.enterGivens("12345678." + std::string(36, '.') + "........9" + std::string(27, '.'));
    EXPECT_EQ(tryIt(bench.cells()), 0);
}

TEST(GuessSolve, BruteForceFindsTheOnlySolutionAndFillsEmptyGridsAnew) {
    Bench bench(3, 3, 7);
    const auto solved = [&bench](bool force) {
        const int status = guessSolve(bench.pc(), nullptr, force);
        takeGridState(bench.pc(), static_cast<int>(bench.wb->sBlock().scColl.size()));
        return status;
    };
    for (const SamplePuzzle& s : loadSamples("guessing-3x3.txt")) {
        bench.enterGivens(s.puzzle);
        bench.pc().guessingEnabled = true;
        ASSERT_EQ(solved(false), 1);
        EXPECT_EQ(bench.gridText(), s.solution);
        EXPECT_EQ(bench.status.panel(Panel::Result).rfind("Iteration  ", 0), 0u);
    }
    std::string previous;
    for (int run = 0; run < 2; ++run) {
        bench.wb->buildPuzzle();
        ASSERT_EQ(solved(true), 1);
        EXPECT_TRUE(isSolution(bench.values(), 3, 3));
        EXPECT_NE(bench.gridText(), previous);
        previous = bench.gridText();
    }
}

// A complete grid with the cells `open` emptied; (0,3) and (8,5) both hold 6, in other units.
std::string without(std::initializer_list<std::size_t> open) {
    std::string puzzle =
        "534678912672195348198342567859761423426853791713924856961537284287419635345286179";
    for (const std::size_t b : open)
        puzzle[b] = '.';
    return puzzle;
}

// Moves bigindex `first` ahead of bigindex `second` in the grid's solver order.
void putFirst(scells& grid, int first, int second) {
    scell& a = grid.getcellBigindex(first);
    scell& b = grid.getcellBigindex(second);
    if (a.sOrderIndex < b.sOrderIndex) return;
    grid.sOrder.swapvalue(a.sOrderIndex, b.sOrderIndex);
    std::swap(a.sOrderIndex, b.sOrderIndex);
}

TEST(Hint, FillsTheFirstForcedCellInSolverOrderAndRecomputes) {
    for (const auto& [first, second] : {std::pair{77, 3}, std::pair{3, 77}}) {
        Bench bench;
        bench.enterGivens(without({3, 77}));
        putFirst(bench.cells(), first, second);
        const auto events = bench.status.events.size();
        giveHint(bench.cells());
        EXPECT_TRUE(bench.at(first).Sure && bench.at(first).Trying == 6);
        EXPECT_FALSE(bench.at(first).Original || bench.at(first).Entered || bench.at(second).Sure);
        EXPECT_EQ(bench.history().undoCount(), 0);
        EXPECT_EQ(bench.status.events.size(), events);
    }
    // (2,7) and (7,6) can only be 6; (7,7), in the column of (2,7), 3 or 6 until the hint.
    Bench bench;
    bench.enterGivens(without({25, 69, 70}));
    putFirst(bench.cells(), 25, 69);
    putFirst(bench.cells(), 25, 70);
    giveHint(bench.cells());
    EXPECT_EQ(bench.at(25).Trying, 6);
    EXPECT_EQ(bench.at(70).countPossibilities, 1);
    EXPECT_FALSE(bench.at(69).Sure);
    bench.enterGivens(without({0, 1, 2, 9, 10, 11}));  // hand-made marks: 1 and 9, (1,1) 9
    bench.pc().manualPencilMarks = true;
    for (const int b : {0, 1, 2, 9, 10, 11}) {
        bench.at(b).bPoss = b == 10 ? 0x100u : 0x101u;
        bench.at(b).recountPossibilities();
    }
    giveHint(bench.cells());
    EXPECT_TRUE(bench.at(10).Sure && bench.at(10).Trying == 9);
    EXPECT_EQ(bench.at(0).countPossibilities, 2);  // not recomputed
}

// Whatever the givens (part of a complete grid, sometimes with a stray one), a grid Solve
// reports solved keeps every given and breaks no rule; only a stray given or the call limit
// leaves it unsolved.
TEST(SolveProperty, ASolvedGridKeepsEveryGivenAndBreaksNoRule) {
    for (const BoxShape shape : kBoxShapes) {
        SCOPED_TRACE(shapeName(shape));
        Bench bench(shape.rows, shape.cols, 21);
        bench.settings.brute = true;
        Rng rng(300 + static_cast<std::uint64_t>(shape.n()));
        int clean = 0;
        int solved = 0;
        for (int i = 0; i < 20; ++i) {
            std::vector<int> givens = randomGrid(shape, rng);
            const double density = 0.1 + 0.6 * std::uniform_real_distribution<>()(rng);
            for (int& v : givens)
                v = chance(rng, density) ? v : 0;
            const bool stray = chance(rng, 0.3);
            if (stray)
                givens[std::size_t(below(rng, shape.cellCount()))] = 1 + below(rng, shape.n());
            bench.enterGivens(givens);
            bench.cells().Validate();
            if (bench.cells().Invalid) continue;
            cbSolve_Click(*bench.wb);
            clean += !stray;
            if (bench.cells().SolvedStatus != 1) {
                EXPECT_TRUE(stray || bench.wb->sBlock().Tries >= kGuessCallLimit) << i;
                continue;
            }
            solved += !stray;
            EXPECT_EQ(bench.values(true), givens) << i;
            EXPECT_TRUE(isSolution(bench.values(), shape.rows, shape.cols)) << i;
        }
        EXPECT_GE(2 * solved, clean);  // the limit cuts some sparse big grids short, not most
    }
}

TEST(Generator, TheTargetIsTheNearestWholeNumberWithHalvesToEven) {
    EXPECT_EQ(targetGivens(9, 50, 0), 28);  // 28.5
    EXPECT_EQ(targetGivens(6, 25, 3), 14);  // 13.5
    for (std::size_t option = 0; option < 10; ++option) {
        const int n = kBoxShapes[option].n();
        for (int d = 0; d <= 100; ++d)  // nearbyint rounds halves to even
            EXPECT_EQ(targetGivens(n, d, static_cast<int>(option)),
                      std::nearbyint(n * (100.0 - d) / 100.0 + kMinGivens[option]));
    }
    EXPECT_EQ(countSolutions(std::vector<int>(16, 0), 2, 2), 2);  // the counter the rest trusts
    EXPECT_EQ(countSolutions(valuesOf("1234341221434321"), 2, 2), 1);
    EXPECT_EQ(countSolutions(valuesOf("...1....1..2..3."), 2, 2), 0);
}

// The progress texts "givens/target after k attempts" as {target, attempts}.
std::vector<std::pair<int, int>> progressOf(const Bench& bench) {
    std::vector<std::pair<int, int>> all;
    for (const std::string& text : bench.status.history(Panel::Result)) {
        int givens = 0, target = 0, attempts = 0, used = 0;
        if (std::sscanf(text.c_str(), "%d/%d after %d attempts%n", &givens, &target, &attempts,
                        &used) == 3 &&
            used == static_cast<int>(text.size()))
            all.emplace_back(target, attempts);
    }
    return all;
}

// The outcome of solving `puzzle` with the switches of `settings` and no guessing.
int solvedStatusWith(const FixedSettings& settings, const std::vector<int>& puzzle) {
    const BoxShape shape = kBoxShapes[static_cast<std::size_t>(settings.sizeOption)];
    Bench solver(shape.rows, shape.cols, 9);
    solver.settings = settings;
    solver.enterGivens(puzzle);
    solver.pc().solving = true;
    GenerationProgress quiet;
    solvePuzzle(solver.pc(), quiet);
    return solver.cells().SolvedStatus;
}

class GeneratedPuzzle : public ::testing::TestWithParam<std::tuple<BoxShape, int>> {};

TEST_P(GeneratedPuzzle, IsAGenuineSudokuFromItsBaseGridThatTheRulesFinish) {
    const auto [shape, difficulty] = GetParam();
    Bench bench(shape.rows, shape.cols, 1000 + static_cast<std::uint64_t>(difficulty));
    bench.pc().difficultyPercent = static_cast<std::int16_t>(difficulty);
    struct : GenerationProgress {  // keeps the complete grid the givens are taken from
        void baseGenerated() override { base = bench->values(); }
        Bench* bench = nullptr;
        std::vector<int> base;
    } recorder;
    recorder.bench = &bench;
    generatePuzzle(bench.pc(), recorder);
    ASSERT_TRUE(isSolution(recorder.base, shape.rows, shape.cols));
    const std::vector<int> givens = bench.values(true);
    EXPECT_EQ(bench.values(), givens) << "only givens are values";
    for (std::size_t b = 0; b < givens.size(); ++b)
        EXPECT_TRUE(givens[b] == 0 || givens[b] == recorder.base[b]) << "cell " << b;
    EXPECT_EQ(countSolutions(givens, shape.rows, shape.cols), 1);
    EXPECT_EQ(solvedStatusWith(bench.settings, givens), 1);
    const auto progress = progressOf(bench);
    ASSERT_FALSE(progress.empty());
    EXPECT_EQ(progress.front().first, targetGivens(shape.n(), difficulty, bench.pc().sgValue));
    EXPECT_LE(std::count_if(givens.begin(), givens.end(), [](int v) { return v != 0; }),
              progress.back().first);
}

std::string caseName(const ::testing::TestParamInfo<std::tuple<BoxShape, int>>& p) {
    return shapeName(std::get<0>(p.param)) + "_difficulty" + std::to_string(std::get<1>(p.param));
}
INSTANTIATE_TEST_SUITE_P(EveryShape, GeneratedPuzzle,
                         ::testing::Combine(::testing::ValuesIn(kBoxShapes),
                                            ::testing::Values(0, 100)),
                         caseName);

TEST(Generator, AcceptsOnlyWhatTheSwitchedOnRulesFinish) {
    // Naked singles alone, and the box-line rule alone: every removal that needs more must have
    // been put back; with every rule on, the same seeds reach puzzles naked singles cannot finish.
    FixedSettings singles, grabs;
    singles.subsets = {true, false, false, false, false};
    singles.grabs = singles.hiddenPairs = grabs.hiddenPairs = false;
    grabs.subsets = {false, false, false, false, false};
    bool needsMore = false;
    for (std::uint64_t seed = 21; seed < 24; ++seed) {
        for (const FixedSettings* rules : {&singles, &grabs}) {
            Bench bench(3, 3, seed);
            bench.settings = *rules;
            bench.settings.difficultyValue = 100;
            cbGenerate_Click(*bench.wb);
            EXPECT_EQ(solvedStatusWith(bench.settings, bench.values()), 1) << bench.gridText();
            EXPECT_EQ(countSolutions(bench.values(), 3, 3), 1) << bench.gridText();
        }
        Bench strong(3, 3, seed);
        strong.settings.difficultyValue = 100;
        cbGenerate_Click(*strong.wb);
        needsMore = needsMore || solvedStatusWith(singles, strong.values()) != 1;
    }
    EXPECT_TRUE(needsMore);
}

TEST(Generator, RelaxesTheTargetByOneAfter750FailedAttempts) {
    Bench bench(2, 2, 3);
    bench.settings.difficultyValue = 200;  // past the slider: 0 givens cannot be met
    cbGenerate_Click(*bench.wb);
    const auto progress = progressOf(bench);
    ASSERT_FALSE(progress.empty());
    EXPECT_EQ(progress.front().first, 0);
    int relaxations = 0;
    for (std::size_t i = 1; i < progress.size(); ++i) {
        if (progress[i].first == progress[i - 1].first) continue;
        EXPECT_EQ(progress[i].first, progress[i - 1].first + 1);
        EXPECT_EQ(progress[i - 1].second, kAttemptsPerTarget + 1);
        ++relaxations;
    }
    EXPECT_GE(relaxations, 1);
    EXPECT_EQ(progress.back().first, relaxations);
    EXPECT_EQ(countSolutions(bench.values(), 2, 2), 1);
    EXPECT_EQ(bench.status.history(Panel::Progress).at(1), "Please wait..");
}

}  // namespace
}  // namespace velmora::test
