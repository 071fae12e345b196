// The step finder: checks a grid, then finds the simplest next step the switched-on rules allow.
#pragma once

#include <vector>

#include "model/box_shape.h"
#include "steps/candidate_grid.h"
#include "steps/rule_switches.h"
#include "steps/step.h"

namespace velmora {

enum class GridState {
    Step,       // `Step` holds the next Step
    Solved,     // no open cell left
    Stuck,      // no switched-on rule applies
    Conflict,   // two equal values in a unit: `conflicts`
    DeadCells,  // open cells without a candidate: `DeadCells`
};

// Two cells of one unit holding the same value; first < second.
struct Conflict {
    int first = 0;
    int second = 0;
    int value = 0;
    bool operator==(const Conflict&) const = default;
};

struct StepFinding {
    GridState state = GridState::Stuck;
    Step step;
    std::vector<Conflict> conflicts;  // ascending, each pair once however many units it shares
    std::vector<int> deadCells;       // ascending; also filled beside conflicts
};

// Reads a cell's candidates less the values placed in its row, column and box, so hand-kept
// pencil marks that still show such a value never lead to a step (a cell left with none of its
// marks is a dead cell). Tries, in this order: naked single; hidden single; box-line; naked
// pair, triple, quad; naked subsets of 5 up to (N+1)/2 cells; hidden pair. Each technique's
// scan order is given in technique_finders.h.
class StepFinder {
  public:
    explicit StepFinder(BoxShape shape) : units_(shape) {}

    // Throws std::invalid_argument when `grid` has another shape, vectors not of N*N cells or a
    // value outside 0..N.
    StepFinding find(const CandidateGrid& grid, const RuleSwitches& switches) const;
    BoxShape shape() const { return units_.shape(); }

  private:
    UnitTable units_;
};

// A finder made for one call.
StepFinding findStep(const CandidateGrid& grid, const RuleSwitches& switches = {});

}  // namespace velmora
