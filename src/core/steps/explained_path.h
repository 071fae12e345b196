// The explained path: the steps that take a puzzle from its givens to solved or stuck.
#pragma once

#include <vector>

#include "steps/candidate_grid.h"
#include "steps/rule_switches.h"
#include "steps/step.h"
#include "steps/step_finder.h"

namespace velmora {

enum class PathOutcome { Solved, Stuck, Invalid };

struct ExplainedPath {
    BoxShape shape{};
    std::vector<Step> steps;
    PathOutcome outcome = PathOutcome::Stuck;
    // What ended the path: solved, stuck, or the conflict or dead cells that made it invalid.
    StepFinding end;
    CandidateGrid finalGrid;
};

// Places the step's values (each clears its cell's candidates and leaves the cell's peers) and
// removes its eliminations.
void applyStep(CandidateGrid& grid, const Step& step);

// Finds and applies steps until no open cell is left (solved), no rule applies (stuck) or the
// grid turns out broken (invalid). Givens in conflict give invalid with no steps; a later
// contradiction, possible only when the puzzle has no solution, keeps the steps before it.
ExplainedPath explainPath(CandidateGrid start, const RuleSwitches& switches = {});

// From the givens (element numbers 1..N, 0 open, row by row), with candidates computed from the
// givens alone.
ExplainedPath explainGivens(BoxShape shape, std::vector<int> givens,
                            const RuleSwitches& switches = {});

}  // namespace velmora
