// The generator: the target it aims at, and what every puzzle it makes must be.
#include "solving/generator.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <tuple>

#include "model/size_options.h"
#include "solving/command_bench.h"
#include "solving/commands.h"
#include "solving/solution_count.h"
#include "solving/solve_driver.h"

namespace velmora {
namespace {

TEST(TargetGivens, WorkedExamples) {
    EXPECT_EQ(targetGivens(9, 0, 0), 33);
    EXPECT_EQ(targetGivens(9, 100, 0), 24);
    EXPECT_EQ(targetGivens(9, 50, 0), 28);  // 28.5 goes to the even 28
    EXPECT_EQ(targetGivens(4, 100, 2), 4);
    EXPECT_EQ(targetGivens(4, 0, 2), 8);
    EXPECT_EQ(targetGivens(18, 100, 9), 125);
    EXPECT_EQ(targetGivens(16, 0, 1), 121);
}

TEST(TargetGivens, HalvesOfTheSumGoToTheEvenNeighbour) {
    EXPECT_EQ(targetGivens(6, 25, 3), 14);    // 4.5 + 9 = 13.5
    EXPECT_EQ(targetGivens(10, 5, 6), 42);    // 9.5 + 33 = 42.5
    EXPECT_EQ(targetGivens(15, 10, 7), 110);  // 13.5 + 97 = 110.5
    EXPECT_EQ(targetGivens(15, 30, 7), 108);  // 10.5 + 97 = 107.5
    EXPECT_EQ(targetGivens(18, 25, 9), 138);  // 13.5 + 125 = 138.5
    EXPECT_EQ(targetGivens(18, 75, 9), 130);  // 4.5 + 125 = 129.5
}

TEST(TargetGivens, JustOffTheHalfRoundsToTheNearest) {
    EXPECT_EQ(targetGivens(9, 49, 0), 29);   // 4.59
    EXPECT_EQ(targetGivens(9, 51, 0), 28);   // 4.41
    EXPECT_EQ(targetGivens(12, 96, 4), 47);  // 0.48
    EXPECT_EQ(targetGivens(12, 95, 8), 51);  // 0.6
}

TEST(TargetGivens, AgreesWithFloatingPointRoundingEverywhere) {
    for (int option = 0; option < 10; ++option) {
        const SizeOption& o = kSizeOptions[static_cast<std::size_t>(option)];
        const int n = o.nRows * o.nCols;
        for (int d = 0; d <= 100; ++d) {
            // nearbyint rounds halves to even in the default rounding mode.
            const double exact =
                n * (100.0 - d) / 100.0 + kMinGivens[static_cast<std::size_t>(option)];
            EXPECT_EQ(targetGivens(n, d, option), static_cast<int>(std::nearbyint(exact)))
                << "option " << option << " difficulty " << d;
        }
    }
}

// The target in the last progress text ("33/28 after 2 attempts"), or -1 when there was none.
int lastTarget(const test::RecordingStatusBar& status) {
    int target = -1;
    for (const std::string& text : status.history(2)) {
        test::Progress p;
        if (test::readProgress(text, p)) target = p.target;
    }
    return target;
}

struct Shape {
    int rows;
    int cols;
};

class GeneratedPuzzle : public ::testing::TestWithParam<std::tuple<Shape, int>> {};

TEST_P(GeneratedPuzzle, IsAGenuineSudokuFromItsBaseGrid) {
    const auto [shape, difficulty] = GetParam();
    test::CommandBench bench(shape.rows, shape.cols, 1000 + difficulty);
    bench.settings.difficultyValue = difficulty;
    const int n = bench.n();
    std::vector<int> base;
    bench.status.onText = [&](int panel, const std::string& text) {
        if (panel == 1 && text == "Base puzzle generated") base = bench.values();
    };
    const int puzzles = n >= 15 ? 1 : 2;
    for (int i = 0; i < puzzles; ++i) {
        bench.status.events.clear();
        base.clear();
        cbGenerate_Click(*bench.wb);
        SCOPED_TRACE("puzzle " + std::to_string(i) + ": " + bench.text());

        ASSERT_EQ(base.size(), static_cast<std::size_t>(n * n));
        ASSERT_EQ(std::count(base.begin(), base.end(), 0), 0);
        EXPECT_FALSE(test::hasEqualGivensInUnit(base, shape.rows, shape.cols));

        // Only givens remain, and each keeps the base grid's value.
        const std::vector<int> givens = bench.values(true);
        EXPECT_EQ(bench.values(), givens);
        int count = 0;
        for (std::size_t b = 0; b < givens.size(); ++b) {
            if (givens[b] == 0) continue;
            ++count;
            EXPECT_EQ(givens[b], base[b]) << "cell " << b;
        }
        EXPECT_FALSE(test::hasEqualGivensInUnit(givens, shape.rows, shape.cols));
        EXPECT_EQ(test::countSolutions(givens, shape.rows, shape.cols), 1);

        const int target = targetGivens(n, difficulty, bench.pc().sgValue);
        EXPECT_GE(lastTarget(bench.status), target);
        EXPECT_LE(count, lastTarget(bench.status));

        // Logic alone finishes it.
        test::CommandBench solver(shape.rows, shape.cols, 5);
        solver.enterGivens(bench.text());
        solver.pc().solving = true;
        solvePuzzle(*solver.wb);
        EXPECT_EQ(solver.cells().SolvedStatus, 1);
        EXPECT_EQ(solver.values(), base);
    }
}

std::string shapeName(const ::testing::TestParamInfo<std::tuple<Shape, int>>& info) {
    const auto [shape, difficulty] = info.param;
    return std::to_string(shape.rows) + "x" + std::to_string(shape.cols) + "_difficulty" +
           std::to_string(difficulty);
}

INSTANTIATE_TEST_SUITE_P(EveryShape, GeneratedPuzzle,
                         ::testing::Combine(::testing::Values(Shape{3, 3}, Shape{4, 4}, Shape{2, 2},
                                                              Shape{2, 3}, Shape{3, 4}, Shape{2, 4},
                                                              Shape{2, 5}, Shape{3, 5}, Shape{2, 6},
                                                              Shape{3, 6}),
                                            ::testing::Values(0, 50, 100)),
                         shapeName);

// Solves `puzzle` with the switches of `settings` and no guessing; the outcome code.
int solvedStatusWith(const FixedSettings& settings, const std::string& puzzle) {
    test::CommandBench solver(3, 3, 9);
    solver.settings = settings;
    solver.enterGivens(puzzle);
    solver.pc().solving = true;
    solvePuzzle(*solver.wb);
    return solver.cells().SolvedStatus;
}

TEST(Generator, AcceptsOnlyWhatTheSwitchedOnRulesFinish) {
    // Naked singles alone: every removal that needs more must have been put back.
    test::CommandBench bench(3, 3, 21);
    bench.settings.subsets = {true, false, false, false, false};
    bench.settings.grabs = false;
    bench.settings.hiddenPairs = false;
    bench.settings.difficultyValue = 100;
    for (int i = 0; i < 4; ++i) {
        cbGenerate_Click(*bench.wb);
        const std::string puzzle = bench.text();
        EXPECT_EQ(solvedStatusWith(bench.settings, puzzle), 1) << puzzle;
        EXPECT_EQ(test::countSolutions(bench.values(), 3, 3), 1) << puzzle;
    }
    // The same seed with every rule on reaches puzzles the single rule could not finish.
    test::CommandBench strong(3, 3, 21);
    strong.settings.difficultyValue = 100;
    bool needsMore = false;
    for (int i = 0; i < 4; ++i) {
        cbGenerate_Click(*strong.wb);
        needsMore = needsMore || solvedStatusWith(bench.settings, strong.text()) != 1;
    }
    EXPECT_TRUE(needsMore);
}

TEST(Generator, BoxLineRuleAloneStillTerminates) {
    test::CommandBench bench(3, 3, 4);
    bench.settings.subsets = {false, false, false, false, false};
    bench.settings.hiddenPairs = false;
    bench.settings.difficultyValue = 100;
    cbGenerate_Click(*bench.wb);
    EXPECT_EQ(solvedStatusWith(bench.settings, bench.text()), 1);
    EXPECT_EQ(test::countSolutions(bench.values(), 3, 3), 1);
}

TEST(Generator, RelaxesTheTargetAfter750FailedAttempts) {
    // Past the slider's range the first target (0 givens) cannot be met.
    test::CommandBench bench(2, 2, 3);
    bench.settings.difficultyValue = 200;
    cbGenerate_Click(*bench.wb);
    int target = -1;
    int previousAttempts = 0;
    int relaxations = 0;
    for (const std::string& text : bench.status.history(2)) {
        test::Progress p;
        if (!test::readProgress(text, p)) continue;
        const int t = p.target;
        const int attempts = p.attempts;
        EXPECT_LE(attempts, kAttemptsPerTarget + 1);
        if (target >= 0 && t != target) {
            EXPECT_EQ(t, target + 1);
            EXPECT_EQ(previousAttempts, kAttemptsPerTarget + 1);
            EXPECT_EQ(attempts, 1);
            ++relaxations;
        }
        target = t;
        previousAttempts = attempts;
    }
    EXPECT_EQ(target - relaxations, 0);
    EXPECT_GE(relaxations, 1);
    int givens = 0;
    for (const int v : bench.values(true))
        givens += v != 0;
    EXPECT_LE(givens, target);
    EXPECT_EQ(test::countSolutions(bench.values(), 2, 2), 1);
}

TEST(Generator, StatusTextsWhileGenerating) {
    test::CommandBench bench(3, 3, 8);
    bench.settings.difficultyValue = 50;
    bench.pc().Generate = true;
    bench.pc().difficultyPercent = 50;
    generatePuzzle(*bench.wb);

    const std::vector<std::string> panel2 = bench.status.history(2);
    const std::vector<std::string> panel3 = bench.status.history(3);
    ASSERT_GE(panel3.size(), 2u);
    EXPECT_EQ(panel3[panel3.size() - 2], "Please wait..");
    EXPECT_EQ(panel3.back(), "");
    EXPECT_EQ(bench.status.panel(1), "Base puzzle generated");
    // The first removal try takes out 3N = 27 cells of 81; "attempts" even for one.
    const auto first = std::find_if(panel2.begin(), panel2.end(), [](const std::string& t) {
        return t.find(" after ") != std::string::npos;
    });
    ASSERT_NE(first, panel2.end());
    EXPECT_EQ(*first, "54/28 after 1 attempts");
    EXPECT_TRUE(test::isTextAndNumber(bench.status.panel(2), "Found a genuine Sudoku!"))
        << bench.status.panel(2);
}

TEST(Generator, FoundTextInGerman) {
    test::CommandBench bench(2, 2, 8);
    bench.pc().wLanguage = 1;
    cbGenerate_Click(*bench.wb);
    EXPECT_TRUE(
        test::isTextAndNumber(bench.status.panel(2), "Habe ein regelgerechtes Sudoku gefunden!"))
        << bench.status.panel(2);
    EXPECT_EQ(bench.status.panel(3), "Sie sind dran!");
}

TEST(Generator, RestoresManualPencilMarksAndClearsGenerate) {
    test::CommandBench bench(2, 3, 2);
    bench.pc().manualPencilMarks = true;
    bench.pc().Generate = true;
    scells& puzzle = generatePuzzle(*bench.wb);
    EXPECT_EQ(&puzzle, &bench.cells());
    EXPECT_TRUE(bench.pc().manualPencilMarks);
    EXPECT_FALSE(bench.pc().Generate);
}

TEST(Generator, BaseGridIsACompleteGridOnTheStack) {
    test::CommandBench bench(2, 4, 6);
    scells& base = makeBaseGrid(*bench.wb);
    EXPECT_EQ(&base, &bench.cells());
    EXPECT_EQ(base.SolvedStatus, 0);
    EXPECT_EQ(bench.wb->sBlock().scColl.back().get(), &base);
    const std::vector<int> values = bench.values();
    EXPECT_EQ(std::count(values.begin(), values.end(), 0), 0);
    EXPECT_FALSE(test::hasEqualGivensInUnit(values, 2, 4));
}

}  // namespace
}  // namespace velmora
