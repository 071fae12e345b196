// The window's commands as far as they touch the model and the window's ports: the window calls
// them from its buttons, the command line and the tests call them directly.
#pragma once

#include "solving/generation_progress.h"

namespace velmora {

class Workbench;

// Solve: solves the puzzle on screen, with brute force when the brute-force box is ticked.
void cbSolve_Click(Workbench& wb);
// Generate: replaces the grid by a new puzzle at the slider's difficulty, ready to be solved.
// When the workbench's stop question says yes meanwhile, the puzzle is put back as it was (its
// undo history emptied) and panel 1 says so.
void cbGenerate_Click(Workbench& wb);
// Hint: fills one forced cell and redraws.
void cbhint_Click(Workbench& wb);
// Clear: an empty grid of the current size, entry of givens. Does nothing while loading.
void cbClear_Click(Workbench& wb);
// "Enter given numbers": typed values become givens.
void cbEnterInitial_Click(Workbench& wb);
// "Enter Solution": typed values become the user's entries.
void cbenterSolution_Click(Workbench& wb);
// Reset: back to the givens, entry of the solution.
void cbReset_Click(Workbench& wb);
// Explain: names the next step, then shows it, then applies it (see ExplainLadder).
void cbExplain_Click(Workbench& wb);
// Check: the puzzle's solutions, likely typos and wrong values (see CheckCommand).
void cbCheck_Click(Workbench& wb);
// Undo and Redo: one hand-made cell change back or forward.
void cbUndo_Click(Workbench& wb);
void cbRedo_Click(Workbench& wb);

// After a puzzle came in from a file or the kept session: one with givens is there to be solved,
// so typed values are the user's ("Enter Solution").
void followLoadedPuzzle(Workbench& wb);

// Shows the current grid's outcome in panel 1; with badnews false only a solved grid is
// reported. Ends with clearSb2, or with "Solved- Well done!" for a complete, valid grid.
void sbDoneornot(Workbench& wb, bool badnews);
// Panel 2 back to the ready text.
void clearSb2(Workbench& wb);

// The generator's reports as status texts in the window's language.
class StatusBarProgress : public GenerationProgress {
  public:
    explicit StatusBarProgress(Workbench& wb) : wb_(wb) {}
    void baseGenerated() override;
    void found(int attempts) override;
    bool cancelled() override;

  private:
    Workbench& wb_;
};

}  // namespace velmora
