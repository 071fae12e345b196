// The generator: the target it aims at, and what every puzzle it makes must be.
#include "solving/generator.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cctype>
#include <cmath>
#include <cstdio>
#include <ostream>
#include <tuple>

#include "model/size_options.h"
#include "solving/commands.h"
#include "solving/solve_driver.h"
#include "support/puzzle_fixture.h"
#include "support/solution_count.h"

namespace velmora {

// Names the shape of a size option in test output.
void PrintTo(const SizeOption& o, std::ostream* out) {
    *out << o.nRows << "x" << o.nCols;
}

namespace {

// The independent counter the checks below rely on.
TEST(SolutionCounter, CountsNoneOneAndSeveral) {
    EXPECT_EQ(test::countSolutions(std::vector<int>(16, 0), 2, 2), 2);
    EXPECT_EQ(test::countSolutions({1, 2, 3, 4, 3, 4, 1, 2, 2, 1, 4, 3, 4, 3, 2, 0}, 2, 2), 1);
    EXPECT_EQ(test::countSolutions({0, 0, 0, 1, 0, 0, 0, 0, 1, 0, 0, 2, 0, 0, 3, 0}, 2, 2), 0);
    EXPECT_TRUE(test::hasEqualGivensInUnit({1, 0, 0, 0, 0, 1, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0}, 2, 2));
}

TEST(TargetGivens, RoundsToTheNearestWithHalvesToEven) {
    EXPECT_EQ(targetGivens(9, 0, 0), 33);
    EXPECT_EQ(targetGivens(9, 100, 0), 24);
    EXPECT_EQ(targetGivens(9, 50, 0), 28);   // 28.5 goes to the even 28
    EXPECT_EQ(targetGivens(6, 25, 3), 14);   // 13.5
    EXPECT_EQ(targetGivens(9, 49, 0), 29);   // 28.59
    EXPECT_EQ(targetGivens(12, 95, 8), 51);  // 50.6
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

// A progress text "33/28 after 2 attempts", taken apart; false for any other text.
struct Progress {
    int givens = 0;
    int target = 0;
    int attempts = 0;
};

bool readProgress(const std::string& text, Progress& p) {
    int used = 0;
    const int read = std::sscanf(text.c_str(), "%d/%d after %d attempts%n", &p.givens, &p.target,
                                 &p.attempts, &used);
    return read == 3 && used == static_cast<int>(text.size()) && std::isdigit(text[0]) != 0;
}

std::vector<Progress> progressTexts(const test::Bench& bench) {
    std::vector<Progress> all;
    for (const std::string& text : bench.status.history(2)) {
        Progress p;
        if (readProgress(text, p)) all.push_back(p);
    }
    return all;
}

// Solves `puzzle` with the switches of `settings` and no guessing; the outcome code.
int solvedStatusWith(const FixedSettings& settings, const std::string& puzzle,
                     std::vector<int>* values = nullptr) {
    const SizeOption& o = kSizeOptions[static_cast<std::size_t>(settings.sizeOption)];
    test::Bench solver(o.nRows, o.nCols, 9);
    solver.settings = settings;
    solver.enterGivens(puzzle);
    solver.pc().solving = true;
    solvePuzzle(*solver.wb);
    if (values != nullptr) *values = solver.values();
    return solver.cells().SolvedStatus;
}

class GeneratedPuzzle : public ::testing::TestWithParam<std::tuple<SizeOption, int>> {};

TEST_P(GeneratedPuzzle, IsAGenuineSudokuFromItsBaseGrid) {
    const auto [shape, difficulty] = GetParam();
    test::Bench bench(shape.nRows, shape.nCols, 1000 + static_cast<std::uint64_t>(difficulty));
    bench.settings.difficultyValue = difficulty;
    const int n = bench.n();
    std::vector<int> base;
    bench.status.onText = [&](int panel, const std::string& text) {
        if (panel == 1 && text == "Base puzzle generated") base = bench.values();
    };
    for (int i = 0; i < (n >= 15 ? 1 : 2); ++i) {
        bench.status.events.clear();
        base.clear();
        cbGenerate_Click(*bench.wb);
        SCOPED_TRACE("puzzle " + std::to_string(i) + ": " + bench.gridText());

        ASSERT_EQ(base.size(), static_cast<std::size_t>(n * n));
        ASSERT_EQ(std::count(base.begin(), base.end(), 0), 0);
        EXPECT_FALSE(test::hasEqualGivensInUnit(base, shape.nRows, shape.nCols));

        // Only givens remain, each keeps the base grid's value, and they have one solution.
        const std::vector<int> givens = bench.values(true);
        EXPECT_EQ(bench.values(), givens);
        int count = 0;
        for (std::size_t b = 0; b < givens.size(); ++b) {
            if (givens[b] == 0) continue;
            ++count;
            EXPECT_EQ(givens[b], base[b]) << "cell " << b;
        }
        EXPECT_EQ(test::countSolutions(givens, shape.nRows, shape.nCols), 1);

        // At most as many givens as the last target, which is at least the first one.
        const std::vector<Progress> progress = progressTexts(bench);
        ASSERT_FALSE(progress.empty());
        EXPECT_GE(progress.back().target, targetGivens(n, difficulty, bench.pc().sgValue));
        EXPECT_LE(count, progress.back().target);

        // Logic alone finishes it.
        std::vector<int> solved;
        EXPECT_EQ(solvedStatusWith(bench.settings, bench.gridText(), &solved), 1);
        EXPECT_EQ(solved, base);
    }
}

std::string shapeName(const ::testing::TestParamInfo<std::tuple<SizeOption, int>>& info) {
    const auto [shape, difficulty] = info.param;
    return std::to_string(shape.nRows) + "x" + std::to_string(shape.nCols) + "_difficulty" +
           std::to_string(difficulty);
}

INSTANTIATE_TEST_SUITE_P(EveryShape, GeneratedPuzzle,
                         ::testing::Combine(::testing::ValuesIn(kSizeOptions),
                                            ::testing::Values(0, 50, 100)),
                         shapeName);

TEST(Generator, AcceptsOnlyWhatTheSwitchedOnRulesFinish) {
    // Naked singles alone: every removal that needs more must have been put back.
    test::Bench bench(3, 3, 21);
    bench.settings.subsets = {true, false, false, false, false};
    bench.settings.grabs = false;
    bench.settings.hiddenPairs = false;
    bench.settings.difficultyValue = 100;
    for (int i = 0; i < 4; ++i) {
        cbGenerate_Click(*bench.wb);
        const std::string puzzle = bench.gridText();
        EXPECT_EQ(solvedStatusWith(bench.settings, puzzle), 1) << puzzle;
        EXPECT_EQ(test::countSolutions(bench.values(), 3, 3), 1) << puzzle;
    }
    // The same seed with every rule on reaches puzzles the single rule could not finish.
    test::Bench strong(3, 3, 21);
    strong.settings.difficultyValue = 100;
    bool needsMore = false;
    for (int i = 0; i < 4; ++i) {
        cbGenerate_Click(*strong.wb);
        needsMore = needsMore || solvedStatusWith(bench.settings, strong.gridText()) != 1;
    }
    EXPECT_TRUE(needsMore);

    // The box-line rule alone still ends.
    test::Bench grabs(3, 3, 4);
    grabs.settings.subsets = {false, false, false, false, false};
    grabs.settings.hiddenPairs = false;
    grabs.settings.difficultyValue = 100;
    cbGenerate_Click(*grabs.wb);
    EXPECT_EQ(solvedStatusWith(grabs.settings, grabs.gridText()), 1);
    EXPECT_EQ(test::countSolutions(grabs.values(), 3, 3), 1);
}

TEST(Generator, RelaxesTheTargetAfter750FailedAttempts) {
    // Past the slider's range the first target (0 givens) cannot be met.
    test::Bench bench(2, 2, 3);
    bench.settings.difficultyValue = 200;
    cbGenerate_Click(*bench.wb);
    const std::vector<Progress> progress = progressTexts(bench);
    ASSERT_FALSE(progress.empty());
    EXPECT_EQ(progress.front().target, 0);
    int relaxations = 0;
    for (std::size_t i = 0; i < progress.size(); ++i) {
        EXPECT_LE(progress[i].attempts, kAttemptsPerTarget + 1);
        if (i == 0 || progress[i].target == progress[i - 1].target) continue;
        EXPECT_EQ(progress[i].target, progress[i - 1].target + 1);
        EXPECT_EQ(progress[i - 1].attempts, kAttemptsPerTarget + 1);
        EXPECT_EQ(progress[i].attempts, 1);
        ++relaxations;
    }
    EXPECT_EQ(progress.back().target, relaxations);
    EXPECT_GE(relaxations, 1);
    const std::vector<int> givens = bench.values(true);
    EXPECT_LE(16 - std::count(givens.begin(), givens.end(), 0), progress.back().target);
    EXPECT_EQ(test::countSolutions(bench.values(), 2, 2), 1);
}

TEST(Generator, StatusTextsWhileGenerating) {
    test::Bench bench(3, 3, 8);
    bench.pc().Generate = true;
    bench.pc().difficultyPercent = 50;
    generatePuzzle(*bench.wb);

    const std::vector<std::string> panel3 = bench.status.history(3);
    ASSERT_GE(panel3.size(), 2u);
    EXPECT_EQ(panel3[panel3.size() - 2], "Please wait..");
    EXPECT_EQ(panel3.back(), "");
    EXPECT_EQ(bench.status.panel(1), "Base puzzle generated");
    // The first removal try takes out 3N = 27 cells of 81; "attempts" even for one.
    const std::vector<std::string> panel2 = bench.status.history(2);
    const auto first = std::find_if(panel2.begin(), panel2.end(), [](const std::string& t) {
        return t.find(" after ") != std::string::npos;
    });
    ASSERT_NE(first, panel2.end());
    EXPECT_EQ(*first, "54/28 after 1 attempts");
    EXPECT_TRUE(test::isTextAndNumber(bench.status.panel(2), "Found a genuine Sudoku!"))
        << bench.status.panel(2);
}

}  // namespace
}  // namespace velmora
