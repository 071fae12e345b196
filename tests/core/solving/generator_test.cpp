// The generator: the target it aims at, and what every puzzle of every shape must be: a genuine
// Sudoku (one solution, by an independent counter) from its base grid that the switched-on
// rules finish alone.
#include "solving/generator.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdio>

#include "bench.h"
#include "commands/commands.h"
#include "solution_count.h"
#include "solving/solve_driver.h"

namespace velmora::test {
namespace {

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
