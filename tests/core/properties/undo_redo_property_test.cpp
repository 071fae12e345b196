// Undo and redo are exact: after k random changes to cells (each recorded with scPush, as the
// keyboard and the pencil-mark editor record them), k Undos give back the grid as it was, value,
// flags and candidates of every cell, and k Redos the grid as the changes left it.
#include <gtest/gtest.h>

#include "properties/random_grids.h"

namespace velmora::test {
namespace {

constexpr int kCasesPerShape = 30;
constexpr int kMostEdits = 25;

TEST(UndoRedoProperty, KUndosRestoreAndKRedosReplay) {
    for (const BoxShape shape : kBoxShapes) {
        SCOPED_TRACE(shapeName(shape));
        Bench bench(shape.rows, shape.cols, 31);
        const int n = bench.n();
        Rng rng(700 + static_cast<std::uint64_t>(shape.rows * 10 + shape.cols));
        for (int i = 0; i < kCasesPerShape; ++i) {
            SCOPED_TRACE("case " + std::to_string(i));
            bench.pc().manualPencilMarks = false;
            const std::vector<int> solution = randomSolution(bench);
            std::vector<int> givens(solution.size(), 0);
            for (std::size_t b = 0; b < solution.size(); ++b)
                if (randomChance(rng, 0.4)) givens[b] = solution[b];
            bench.enterGivens(valuesText(givens, n));
            // With hand-made pencil marks the candidates are the cells' own, and undo must bring
            // those back too.
            bench.pc().manualPencilMarks = randomChance(rng, 0.5);
            FormControl& history = bench.wb->fControl();
            history.resetUndoStack();
            const std::vector<CellRecord> before = recordCells(bench.cells());

            const int k = 1 + randomBelow(rng, kMostEdits);
            for (int e = 0; e < k; ++e) {
                scell& cell = bench.cells().getcellBigindex(randomBelow(rng, n * n));
                cell.scPush();
                const int change = randomBelow(rng, 3);
                if (change == 0) {
                    cell.Clear();
                } else if (change == 1 || !bench.pc().manualPencilMarks) {
                    cell.putEntered(1 + randomBelow(rng, n));
                } else {
                    cell.Sure = cell.Original = cell.Entered = false;
                    cell.bPoss = static_cast<std::uint32_t>(rng()) & allCandidates(n);
                    cell.recountPossibilities();
                }
                bench.cells().resetPossibilities();
            }
            const std::vector<CellRecord> after = recordCells(bench.cells());
            ASSERT_EQ(history.undoCount(), k);

            for (int e = 0; e < k; ++e)
                history.unDo();
            EXPECT_EQ(history.undoCount(), 0);
            EXPECT_EQ(history.redoCount(), k);
            EXPECT_FALSE(bench.undo.undoEnabled);
            ASSERT_EQ(recordCells(bench.cells()), before);

            for (int e = 0; e < k; ++e)
                history.reDo();
            EXPECT_EQ(history.undoCount(), k);
            EXPECT_EQ(history.redoCount(), 0);
            EXPECT_FALSE(bench.undo.redoEnabled);
            ASSERT_EQ(recordCells(bench.cells()), after);
        }
    }
}

}  // namespace
}  // namespace velmora::test
