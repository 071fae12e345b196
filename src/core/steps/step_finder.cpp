#include "steps/step_finder.h"

#include <algorithm>
#include <stdexcept>

#include "steps/finder_view.h"
#include "steps/technique_finders.h"

namespace velmora {

namespace {

// Equal values within each unit; a pair sharing a row and a box is listed once.
std::vector<Conflict> findConflicts(const CandidateGrid& grid, const FinderView& view) {
    std::vector<Conflict> conflicts;
    for (const UnitScan& scan : view.scans) {
        std::array<int, kMaxDim> firstAt{};
        firstAt.fill(-1);
        for (const std::int16_t cell : scan.cells) {
            const int v = grid.values[static_cast<std::size_t>(cell)];
            if (v == 0) continue;
            int& first = firstAt[static_cast<std::size_t>(v - 1)];
            if (first < 0)
                first = cell;
            else
                conflicts.push_back({first, cell, v});
        }
    }
    std::sort(conflicts.begin(), conflicts.end(), [](const Conflict& a, const Conflict& b) {
        return std::pair{a.first, a.second} < std::pair{b.first, b.second};
    });
    conflicts.erase(std::unique(conflicts.begin(), conflicts.end()), conflicts.end());
    return conflicts;
}

std::optional<Step> firstStep(const FinderView& view, const RuleSwitches& switches) {
    if (auto step = findNakedSingle(view)) return step;
    if (switches.grabs) {
        if (auto step = findHiddenSingle(view)) return step;
        if (auto step = findBoxLine(view)) return step;
    }
    for (int size = 2; size <= largestNakedSubset(view.n); ++size)
        if (switches.nakedSubsetOn(size))
            if (auto step = findNakedSubset(view, size)) return step;
    if (switches.hiddenPairs) return findHiddenPair(view);
    return std::nullopt;
}

}  // namespace

StepFinding StepFinder::find(const CandidateGrid& grid, const RuleSwitches& switches) const {
    const auto cells = static_cast<std::size_t>(units_.shape().cellCount());
    if (grid.shape != units_.shape() || grid.values.size() != cells ||
        grid.candidates.size() != cells)
        throw std::invalid_argument("StepFinder: grid does not match the finder's shape");
    const int n = units_.n();
    if (std::any_of(grid.values.begin(), grid.values.end(), [n](int v) { return v < 0 || v > n; }))
        throw std::invalid_argument("StepFinder: a value outside 0..N");

    const FinderView view = makeFinderView(grid, units_);
    StepFinding finding;
    finding.conflicts = findConflicts(grid, view);
    bool anyOpen = false;
    for (int cell = 0; cell < grid.cellCount(); ++cell) {
        if (!grid.isOpen(cell)) continue;
        anyOpen = true;
        if (view.at(cell) == 0) finding.deadCells.push_back(cell);
    }
    if (!finding.conflicts.empty()) {
        finding.state = GridState::Conflict;
    } else if (!finding.deadCells.empty()) {
        finding.state = GridState::DeadCells;
    } else if (!anyOpen) {
        finding.state = GridState::Solved;
    } else if (auto step = firstStep(view, switches)) {
        finding.state = GridState::Step;
        finding.step = std::move(*step);
    } else {
        finding.state = GridState::Stuck;
    }
    return finding;
}

StepFinding findStep(const CandidateGrid& grid, const RuleSwitches& switches) {
    return StepFinder(grid.shape).find(grid, switches);
}

}  // namespace velmora
