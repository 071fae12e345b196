// The elimination pass is sound: on generated puzzles, whose solution is the generator's base
// grid, no rule combination ever removes a candidate the solution needs, and solving by logic
// alone fills in only the solution's values, however many of them are already known.
#include <gtest/gtest.h>

#include "model/size_options.h"
#include "model/workbench.h"
#include "properties/random_grids.h"
#include "solving/generator.h"
#include "texts/messages.h"

namespace velmora::test {
namespace {

constexpr int kCasesPerShape = 30;
constexpr int kBaseGridMessage = 20;  // "Base puzzle generated"

// Keeps the grid as it is when the generator announces its base grid: the puzzle's solution.
class BaseGridRecorder : public StatusBar {
  public:
    void setPanelText(int panel, const std::string& text) override {
        if (panel != 1 || text != getMessage(kBaseGridMessage, wb->pc().wLanguage)) return;
        const scells& grid = wb->theCells();
        base.assign(static_cast<std::size_t>(grid.cellCount()), 0);
        for (int b = 0; b < grid.cellCount(); ++b)
            base[static_cast<std::size_t>(b)] = grid.getcellBigindex(b).Trying;
    }

    Workbench* wb = nullptr;
    std::vector<int> base;
};

void randomSwitches(FixedSettings& settings, Rng& rng) {
    for (bool& on : settings.subsets)
        on = randomChance(rng, 0.7);
    settings.grabs = randomChance(rng, 0.7);
    settings.hiddenPairs = randomChance(rng, 0.7);
}

// Every open cell still has the solution's value among its candidates, and every value is the
// solution's.
void expectConsistentWith(const scells& grid, const std::vector<int>& solution) {
    for (int b = 0; b < grid.cellCount(); ++b) {
        const scell& cell = grid.getcellBigindex(b);
        const int value = solution[static_cast<std::size_t>(b)];
        if (cell.Sure) {
            ASSERT_EQ(cell.Trying, value) << "cell " << b;
        } else {
            ASSERT_TRUE(cell.getPossibility(value - 1))
                << "cell " << b << " lost candidate " << value << " of its solution";
        }
    }
}

TEST(EliminationProperty, NeverRemovesACandidateTheSolutionNeeds) {
    for (const BoxShape shape : kBoxShapes) {
        SCOPED_TRACE(shapeName(shape));
        FixedSettings settings;
        settings.sizeOption = sizeOptionForBox(shape.rows, shape.cols);
        BaseGridRecorder recorder;
        Ports ports;
        ports.settings = &settings;
        ports.statusBar = &recorder;
        Workbench wb(ports, 40 + static_cast<std::uint64_t>(settings.sizeOption));
        recorder.wb = &wb;
        wb.newPuzzle();
        wb.pc().difficultyPercent = 100;
        generatePuzzle(wb);
        const std::vector<int> solution = recorder.base;
        ASSERT_EQ(solution.size(), static_cast<std::size_t>(wb.theCells().cellCount()));
        ASSERT_TRUE(isSolution(valuesText(solution, wb.pc().nDim), shape.rows, shape.cols));
        std::vector<int> givens;
        for (int b = 0; b < wb.theCells().cellCount(); ++b) {
            const scell& cell = wb.theCells().getcellBigindex(b);
            givens.push_back(cell.Original ? cell.Trying : 0);
            if (cell.Original) {
                ASSERT_EQ(cell.Trying, solution[static_cast<std::size_t>(b)]);
            }
        }

        Rng rng(500 + static_cast<std::uint64_t>(settings.sizeOption));
        for (int i = 0; i < kCasesPerShape; ++i) {
            SCOPED_TRACE("case " + std::to_string(i));
            randomSwitches(settings, rng);
            wb.buildPuzzle();
            PuzzleControl& pc = wb.pc();
            pc.Experimental = true;
            // The givens and a random share of the rest of the solution, as a user finds it.
            const double known = 0.5 * std::uniform_real_distribution<double>()(rng);
            for (int b = 0; b < wb.theCells().cellCount(); ++b) {
                const auto at = static_cast<std::size_t>(b);
                scell& cell = wb.theCells().getcellBigindex(b);
                if (givens[at] != 0) {
                    cell.putOriginal(givens[at]);
                } else if (randomChance(rng, known)) {
                    cell.putEntered(solution[at]);
                }
            }
            wb.theCells().resetPossibilities();
            expectConsistentWith(wb.theCells(), solution);
            wb.theCells().allPossibilities();
            expectConsistentWith(wb.theCells(), solution);
        }
    }
}

}  // namespace
}  // namespace velmora::test
