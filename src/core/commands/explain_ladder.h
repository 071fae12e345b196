// Explain, the hint ladder: the first press names the next step and its place, the second shows
// its pattern and what it removes, the third applies it as one undoable change. Any change to the
// grid starts the ladder again.
#pragma once

#include <cstdint>

#include "steps/step_finder.h"

namespace velmora {

class ModuleState;
class Workbench;
class scells;

class ExplainLadder {
  public:
    // The Explain button.
    void press(Workbench& wb);
    // Shows the current stage again, in the window's language (after a language change).
    void showAgain(Workbench& wb);

    // 0 before the first press or after a step was applied, then 1 or 2.
    int stage() const { return stage_; }
    const StepFinding& finding() const { return finding_; }

  private:
    void show(Workbench& wb);
    void apply(Workbench& wb);

    int stage_ = 0;
    std::uint64_t grid_ = 0;  // the fingerprint of the grid the finding was made on
    StepFinding finding_;
    CandidateGrid candidates_;
};

// The grid as the user sees it: values, and the candidates shown (computed or kept by hand).
CandidateGrid candidateGridOf(const scells& grid);
// The technique switches of the statistics panel as the step finder takes them.
RuleSwitches ruleSwitchesOf(const ModuleState& module);

}  // namespace velmora
