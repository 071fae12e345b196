#include "solving/generator.h"

#include <string>

#include "model/workbench.h"
#include "solving/guess_solver.h"
#include "solving/solve_driver.h"
#include "texts/messages.h"

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

scells& makeBaseGrid(Workbench& wb) {
    while (guessSolve(wb, nullptr, true) != 1)
        wb.buildPuzzle();
    scells& base = takeGridState(wb, static_cast<int>(wb.sBlock().scColl.size()));
    base.SolvedStatus = 0;
    return base;
}

namespace {

// One generation run: the working values and grids of the removal loop.
class Remover {
  public:
    Remover(Workbench& wb, scells& base, int target)
        : wb_(wb), base_(base), bar_(wb.statusBar()), target_(target) {
        PuzzleControl& pc = wb.pc();
        cells_ = base.cellCount();
        maxStep_ = 3 * pc.nDim;
        backup_.initstandalone(pc);
        solution_.initstandalone(pc);
        base_.sCopy(solution_);
        order_.listInit(cells_, nullptr, wb.random());
    }

    // Repeats attempts until one reaches the target; returns the number of the last attempt.
    int run() {
        for (;;) {
            ++attempts_;
            if (attempt()) return attempts_;
            solution_.sCopy(base_);
            order_.listRandomize(wb_.random());
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
            if (position < 0) return false;
            base_.sCopy(backup_);
            if (step > position + 1) step = position + 1;
            for (int k = 0; k < step; ++k)
                base_.getcellBigindex(order_.ListGetValue(position - k)).Clear();
            if (guessSolve(wb_, nullptr, false) != 1) {
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
        bar_.setPanelText(2, progress_);
    }

    Workbench& wb_;
    scells& base_;
    StatusBar& bar_;
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

scells& generatePuzzle(Workbench& wb) {
    PuzzleControl& pc = wb.pc();
    const bool manual = pc.manualPencilMarks;
    pc.manualPencilMarks = false;
    pc.Generate = true;

    scells& base = makeBaseGrid(wb);
    StatusBar& bar = wb.statusBar();
    bar.setPanelText(3, "Please wait..");
    const int target = targetGivens(pc.nDim, pc.difficultyPercent, pc.sgValue);
    bar.setPanelText(1, getMessage(20, pc.wLanguage));
    for (int b = 0; b < base.cellCount(); ++b) {
        scell& cell = base.getcellBigindex(b);
        cell.putOriginal(cell.Trying);
    }

    const int attempts = Remover(wb, base, target).run();

    bar.setPanelText(2, getMessage(19, pc.wLanguage) + std::to_string(attempts));
    bar.setPanelText(3, "");
    pc.Generate = false;
    pc.manualPencilMarks = manual;
    return base;
}

}  // namespace velmora
