// The explained path against the program's own solver: with every rule on it finishes every
// generated puzzle, of every shape, with the solver's solution.
#include <gtest/gtest.h>

#include "bench.h"
#include "commands/commands.h"
#include "steps/explained_path.h"

namespace velmora {
namespace {

TEST(ExplainedPath, FinishesWhatTheRulesFinishOnEveryShape) {
    for (const BoxShape shape : kBoxShapes) {
        test::Bench bench(shape.rows, shape.cols, 11);
        bench.settings.difficultyValue = 100;
        for (int round = 0; round < 2; ++round) {
            cbGenerate_Click(*bench.wb);
            const std::vector<int> givens = bench.values(true);
            const ExplainedPath path = explainGivens(shape, givens);
            cbSolve_Click(*bench.wb);
            ASSERT_EQ(bench.cells().SolvedStatus, 1);
            EXPECT_EQ(path.outcome, PathOutcome::Solved) << shape.rows << "x" << shape.cols;
            EXPECT_EQ(path.finalGrid.values, bench.values()) << shape.rows << "x" << shape.cols;
        }
    }
}

}  // namespace
}  // namespace velmora
