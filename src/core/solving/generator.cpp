#include "solving/generator.h"

#include <string>

#include "elimination/grid_build.h"
#include "elimination/statsblock.h"
#include "model/module_state.h"
#include "model/puzzle_control.h"
#include "solving/guess_solver.h"
#include "solving/solve_driver.h"

namespace velmora {

int minGivens(int sgValue) {
    return kMinGivens.at(static_cast<std::size_t>(sgValue));
}

int targetGivens(int n, int difficultyPercent, int sgValue) {
    // Exact integer form of the rounding, in hundredths: the sum has two decimals at most.
    const int hundredths = n * (100 - difficultyPercent) + 100 * minGivens(sgValue);
    int whole = hundredths / 100;
    const int rest = hundredths % 100;
    if (rest > 50 || (rest == 50 && whole % 2 != 0)) ++whole;
    return whole;
}

scells& makeBaseGrid(PuzzleControl& pc) {
    while (guessSolve(pc, nullptr, true) != 1)
        buildPuzzle(pc);
    scells& base = takeGridState(pc, static_cast<int>(pc.sBlock->scColl.size()));
    base.SolvedStatus = 0;
    return base;
}

namespace {

// One generation run: the working values and grids of the removal loop.
class Remover {
  public:
    Remover(PuzzleControl& pc, scells& base, int target, GenerationProgress& progress)
        : pc_(pc), base_(base), bar_(pc.module->statusBar()), cancel_(progress), target_(target) {
        cells_ = base.cellCount();
        maxStep_ = 3 * pc.nDim;
        // Both only keep values and flags, so plain copies stand for built grids.
        backup_.cloneFrom(base_);
        solution_.cloneFrom(base_);
        order_.listInit(cells_, nullptr, pc.module->random());
    }

    // Repeats attempts until one reaches the target; returns the number of the last attempt, or
    // 0 when the run was cancelled.
    int run() {
        for (;;) {
            ++attempts_;
            if (attempt()) return attempts_;
            if (cancel_.cancelled()) return 0;
            solution_.sCopy(base_);
            order_.listRandomize(pc_.module->random());
            if (attempts_ > kAttemptsPerTarget) {
                attempts_ = 0;
                ++target_;
            }
        }
    }

  private:
    // Removes values down the removal order; true when the givens came down to the target.
    bool attempt() {
        int step = maxStep_;
        int successes = 0;
        int givens = cells_;
        int position = cells_ - 1;
        for (;;) {
            if (givens <= target_) return position >= 0;
            if (position < 0 || cancel_.cancelled()) return false;
            base_.sCopy(backup_);
            if (step > position + 1) step = position + 1;
            for (int k = 0; k < step; ++k)
                base_.getcellBigindex(order_.ListGetValue(position - k)).Clear();
            if (guessSolve(pc_, nullptr, false) != 1) {
                backup_.sCopy(base_);
                successes = 0;
                if (step != 1) {
                    step /= 2;
                } else {
                    --position;
                }
                continue;
            }
            givens -= step;
            position -= step;
            showProgress(givens);
            base_.SolvedStatus = 0;
            for (int b = 0; b < cells_; ++b) {
                scell& cell = base_.getcellBigindex(b);
                if (!cell.Original) cell.Clear();
            }
            ++successes;
            if (successes >= 3 && step < maxStep_) ++step;
        }
    }

    void showProgress(int givens) {
        progress_.clear();
        progress_ += std::to_string(givens);
        progress_ += '/';
        progress_ += std::to_string(target_);
        progress_ += " after ";
        progress_ += std::to_string(attempts_);
        progress_ += " attempts";
        bar_.setPanelText(Panel::Result, progress_);
    }

    PuzzleControl& pc_;
    scells& base_;
    StatusBar& bar_;
    GenerationProgress& cancel_;
    int target_;
    int cells_ = 0;
    int maxStep_ = 0;
    int attempts_ = 0;
    scells backup_;
    scells solution_;
    slist order_;
    std::string progress_;
};

}  // namespace

scells& generatePuzzle(PuzzleControl& pc, GenerationProgress& progress) {
    const bool manual = pc.manualPencilMarks;
    pc.manualPencilMarks = false;
    pc.Generate = true;

    scells& base = makeBaseGrid(pc);
    StatusBar& bar = pc.module->statusBar();
    bar.setPanelText(Panel::Progress, "Please wait..");
    const int target = targetGivens(pc.nDim, pc.difficultyPercent, pc.sgValue);
    progress.baseGenerated();
    for (int b = 0; b < base.cellCount(); ++b) {
        scell& cell = base.getcellBigindex(b);
        cell.putOriginal(cell.Trying);
    }

    const int attempts = Remover(pc, base, target, progress).run();

    if (attempts > 0) progress.found(attempts);
    bar.setPanelText(Panel::Progress, "");
    pc.Generate = false;
    pc.manualPencilMarks = manual;
    return base;
}

}  // namespace velmora
