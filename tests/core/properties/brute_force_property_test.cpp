// A brute-force solution is always a solution of the puzzle: whatever the givens (a random part
// of a complete grid, sometimes with a stray given that may make the puzzle unsolvable), a grid
// the Solve command reports solved keeps every given and breaks no rule.
#include <gtest/gtest.h>

#include "properties/random_grids.h"
#include "solving/commands.h"
#include "solving/guess_solver.h"

namespace velmora::test {
namespace {

constexpr int kCasesPerShape = 30;

TEST(BruteForceProperty, KeepsEveryGivenAndBreaksNoRule) {
    for (const BoxShape shape : kBoxShapes) {
        SCOPED_TRACE(shapeName(shape));
        Bench bench(shape.rows, shape.cols, 21);
        bench.settings.brute = true;
        const int n = bench.n();
        Rng rng(300 + static_cast<std::uint64_t>(shape.rows * 10 + shape.cols));
        int fromSolution = 0;
        int solvedFromSolution = 0;
        for (int i = 0; i < kCasesPerShape; ++i) {
            SCOPED_TRACE("case " + std::to_string(i));
            const std::vector<int> solution = randomSolution(bench);
            const double density = 0.1 + 0.6 * std::uniform_real_distribution<double>()(rng);
            std::vector<int> givens(solution.size(), 0);
            for (std::size_t b = 0; b < solution.size(); ++b)
                if (randomChance(rng, density)) givens[b] = solution[b];
            const bool stray = randomChance(rng, 0.3);
            if (stray)
                givens[static_cast<std::size_t>(randomBelow(rng, n * n))] = 1 + randomBelow(rng, n);
            bench.enterGivens(valuesText(givens, n));
            bench.cells().Validate();
            if (bench.cells().Invalid) continue;

            cbSolve_Click(*bench.wb);
            const scells& grid = bench.cells();
            if (!stray) {
                ++fromSolution;
                if (grid.SolvedStatus == 1) ++solvedFromSolution;
            }
            if (grid.SolvedStatus != 1) {
                // Only a search cut short or a puzzle made unsolvable ends unsolved.
                EXPECT_TRUE(stray || bench.wb->sBlock().Tries >= kGuessCallLimit);
                continue;
            }
            for (int b = 0; b < n * n; ++b) {
                const scell& cell = grid.getcellBigindex(b);
                const int given = givens[static_cast<std::size_t>(b)];
                if (given == 0) continue;
                EXPECT_TRUE(cell.Original && cell.Sure && cell.Trying == given)
                    << "given " << given << " of cell " << b << " was not kept";
            }
            EXPECT_TRUE(isSolution(bench.gridText(), shape.rows, shape.cols)) << bench.gridText();
        }
        // The call limit cuts some sparse big puzzles short, but never most of them.
        EXPECT_GE(2 * solvedFromSolution, fromSolution);
    }
}

}  // namespace
}  // namespace velmora::test
