#include "commands/explain_ladder.h"

#include "commands/candidate_options.h"
#include "commands/workbench.h"
#include "elimination/candidates.h"
#include "steps/explained_path.h"
#include "texts/step_texts.h"

namespace velmora {

namespace {

GridHighlight emptyHighlight(int cells) {
    const auto size = static_cast<std::size_t>(cells);
    return {std::vector<Emphasis>(size, Emphasis::None), std::vector<std::uint32_t>(size, 0),
            std::vector<std::uint32_t>(size, 0)};
}

void emphasise(GridHighlight& h, int cell, Emphasis e) {
    h.cells[static_cast<std::size_t>(cell)] = e;
}

void emphasiseUnits(GridHighlight& h, const Step& step, const UnitTable& units) {
    for (const UnitRef& unit : step.units)
        for (const std::int16_t cell : units.unit(unit.type, unit.index))
            emphasise(h, cell, Emphasis::Unit);
}

}  // namespace

CandidateGrid candidateGridOf(const scells& grid) {
    CandidateGrid g;
    g.shape = BoxShape{grid.pControl->nRows, grid.pControl->nCols};
    const std::uint32_t all = allCandidates(grid.dim());
    for (const scell& c : grid.cells()) {
        g.values.push_back(c.Sure ? c.Trying : 0);
        g.candidates.push_back(c.Sure ? 0 : c.bPoss & all);
    }
    return g;
}

RuleSwitches ruleSwitchesOf(const ModuleState& module) {
    const auto on = [&module](std::size_t k) {
        return k < module.subsetEnabled.size() && module.subsetEnabled[k] != 0;
    };
    RuleSwitches s;
    s.singles = on(0);
    s.pairs = on(1);
    s.triplets = on(2);
    s.quads = on(3);
    s.more = on(4);
    s.grabs = module.grabsEnabled;
    s.hiddenPairs = module.hiddenPairsEnabled;
    return s;
}

void ExplainLadder::press(Workbench& wb) {
    PuzzleControl& pc = wb.pc();
    // The ladder works on candidates, so they are shown.
    if (!pc.Scribbling) {
        wb.settings().setShowPencilMarks(true);
        pc.Scribbling = true;
        resetPossibilities(*pc.theCells);
        wb.gControl().bUnloadGrid();
    }
    const std::uint64_t now = pc.theCells->fingerprint();
    if (stage_ == 2 && now == grid_ && finding_.state == GridState::Step) {
        apply(wb);
        return;
    }
    if (stage_ == 0 || now != grid_) {
        candidates_ = candidateGridOf(*pc.theCells);
        finding_ = findStep(candidates_, ruleSwitchesOf(wb.module()));
        grid_ = now;
        stage_ = 1;
    } else if (finding_.state == GridState::Step) {
        stage_ = 2;
    }
    show(wb);
}

void ExplainLadder::showAgain(Workbench& wb) {
    if (stage_ != 0 && wb.theCells().fingerprint() == grid_) show(wb);
}

void ExplainLadder::show(Workbench& wb) {
    const PuzzleControl& pc = wb.pc();
    const int n = pc.nDim;
    const StepLanguage language = stepLanguageFor(pc.wLanguage);
    GridHighlight h = emptyHighlight(n * n);
    std::string text;
    if (finding_.state != GridState::Step) {
        text = findingSentence(finding_, n, pc.sElements, language);
        for (const Conflict& c : finding_.conflicts) {
            emphasise(h, c.first, Emphasis::Attention);
            emphasise(h, c.second, Emphasis::Attention);
        }
        for (const int cell : finding_.deadCells)
            emphasise(h, cell, Emphasis::Attention);
    } else {
        const Step& step = finding_.step;
        emphasiseUnits(h, step, wb.module().unitCells);
        if (stage_ == 1) {
            text = stepTitle(step, n, language);
        } else {
            text = stepSentence(step, n, pc.sElements, language);
            for (const int cell : step.cells) {
                emphasise(h, cell, Emphasis::Pattern);
                h.marked[static_cast<std::size_t>(cell)] |= step.values;
            }
            for (const CellValue& p : step.placements) {
                emphasise(h, p.cell, Emphasis::Pattern);
                h.marked[static_cast<std::size_t>(p.cell)] |= valueBit(p.value);
            }
            for (const CellValue& e : step.eliminations)
                h.struck[static_cast<std::size_t>(e.cell)] |= valueBit(e.value);
        }
    }
    wb.gControl().setHighlight(std::move(h));
    wb.module().explanation().showExplanation(text);
}

void ExplainLadder::apply(Workbench& wb) {
    PuzzleControl& pc = wb.pc();
    const Step& step = finding_.step;
    CandidateGrid after = candidates_;
    applyStep(after, step);
    // Computed candidates come back whole at the next recomputation; what a step removes lasts
    // only in marks the user keeps, so they are kept from now on.
    if (!step.eliminations.empty() && !pc.manualPencilMarks) keepPencilMarks(wb);
    FormControl& history = wb.fControl();
    history.beginGroup();
    scells& grid = *pc.theCells;
    for (int b = 0; b < grid.cellCount(); ++b) {
        scell& cell = grid.getcellBigindex(b);
        const auto i = static_cast<std::size_t>(b);
        const bool placed = after.values[i] != candidates_.values[i];
        const bool marked = pc.manualPencilMarks && !cell.Sure &&
                            (cell.bPoss & allCandidates(grid.dim())) != after.candidates[i];
        if (!placed && !marked) continue;
        cell.scPush();
        if (placed) {
            cell.putSure(after.values[i]);
        } else {
            cell.bPoss = after.candidates[i];
            cell.countPossibilities = static_cast<std::int16_t>(bitCount(cell.bPoss));
        }
    }
    history.endGroup();
    stage_ = 0;
    resetPossibilities(grid);
    wb.gControl().bUnloadGrid();
}

}  // namespace velmora
