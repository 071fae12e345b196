#include "steps/explained_path.h"

namespace velmora {

void applyStep(CandidateGrid& grid, const Step& step) {
    for (const CellValue& placed : step.placements) {
        grid.values[static_cast<std::size_t>(placed.cell)] = placed.value;
        grid.candidates[static_cast<std::size_t>(placed.cell)] = 0;
        for (const int peer : peersOf(grid.shape, placed.cell))
            grid.candidates[static_cast<std::size_t>(peer)] &= ~valueBit(placed.value);
    }
    for (const CellValue& gone : step.eliminations)
        grid.candidates[static_cast<std::size_t>(gone.cell)] &= ~valueBit(gone.value);
}

ExplainedPath explainPath(CandidateGrid start, const RuleSwitches& switches) {
    ExplainedPath path;
    path.shape = start.shape;
    path.finalGrid = std::move(start);
    const StepFinder finder(path.shape);
    // Every step places a value or removes a candidate, so this ends.
    while (true) {
        StepFinding found = finder.find(path.finalGrid, switches);
        if (found.state == GridState::Step) {
            applyStep(path.finalGrid, found.step);
            path.steps.push_back(std::move(found.step));
            continue;
        }
        path.outcome = found.state == GridState::Solved  ? PathOutcome::Solved
                       : found.state == GridState::Stuck ? PathOutcome::Stuck
                                                         : PathOutcome::Invalid;
        path.end = std::move(found);
        return path;
    }
}

ExplainedPath explainGivens(BoxShape shape, std::vector<int> givens, const RuleSwitches& switches) {
    return explainPath(CandidateGrid::fromValues(shape, std::move(givens)), switches);
}

}  // namespace velmora
