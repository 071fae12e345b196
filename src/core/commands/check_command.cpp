#include "commands/check_command.h"

#include "commands/explain_ladder.h"
#include "commands/workbench.h"
#include "steps/explained_path.h"

namespace velmora {

namespace {

struct GridValues {
    BoxShape shape;
    std::vector<int> givens;
    std::vector<int> own;  // the user's and the solver's values, 0 elsewhere
};

GridValues valuesOf(const scells& grid) {
    GridValues v{BoxShape{grid.pControl->nRows, grid.pControl->nCols}, {}, {}};
    for (const scell& c : grid.cells()) {
        v.givens.push_back(c.Sure && c.Original ? c.Trying : 0);
        v.own.push_back(c.Sure && !c.Original ? c.Trying : 0);
    }
    return v;
}

}  // namespace

void CheckCommand::press(Workbench& wb) {
    const scells& grid = wb.theCells();
    const std::uint64_t now = grid.fingerprint();
    if (checked_ && now == grid_ && findings_.wrong && *findings_.wrong > 0) {
        // The second press names the wrong values.
        findings_.wrongCells = wrong_;
        show(wb);
        return;
    }
    const GridValues v = valuesOf(grid);
    CheckFindings f;
    f.n = v.shape.n();
    f.check = checkPuzzle(v.shape, v.givens);
    if (f.check.verdict == Verdict::None || f.check.verdict == Verdict::Invalid)
        f.typos = findTypos(v.shape, v.givens);
    if (f.check.verdict == Verdict::Unique) {
        wrong_ = findWrongValues(v.shape, v.givens, v.own).value_or(std::vector<int>{});
        f.wrong = wrong_.size();
        f.rating = ratePath(explainGivens(v.shape, v.givens, ruleSwitchesOf(wb.module())));
    }
    findings_ = std::move(f);
    checked_ = true;
    grid_ = now;
    show(wb);
}

void CheckCommand::showAgain(Workbench& wb) {
    if (checked_ && wb.theCells().fingerprint() == grid_) show(wb);
}

void CheckCommand::show(Workbench& wb) {
    const PuzzleControl& pc = wb.pc();
    findings_.elements = pc.sElements;
    const StepLanguage language = stepLanguageFor(pc.wLanguage);
    const auto cells = static_cast<std::size_t>(pc.theCells->cellCount());
    GridHighlight h{std::vector<Emphasis>(cells, Emphasis::None),
                    std::vector<std::uint32_t>(cells, 0), std::vector<std::uint32_t>(cells, 0)};
    const auto attention = [&h](int cell) {
        h.cells[static_cast<std::size_t>(cell)] = Emphasis::Attention;
    };
    for (const int c : findings_.check.conflictingGivens)
        attention(c);
    for (const TypoSuspect& s : findings_.typos.suspects)
        attention(s.cell);
    for (const int c : findings_.wrongCells)
        attention(c);
    wb.gControl().setHighlight(std::move(h));
    wb.module().explanation().showExplanation(checkReport(findings_, language));
    wb.statusBar().setPanelText(Panel::Status, verdictLine(findings_.check.verdict, language));
}

void showRating(Workbench& wb) {
    const scells& grid = wb.theCells();
    const GridValues v = valuesOf(grid);
    const Rating rating = ratePath(explainGivens(v.shape, v.givens, ruleSwitchesOf(wb.module())));
    wb.module().explanation().showExplanation(
        ratingLine(rating, stepLanguageFor(wb.pc().wLanguage)));
}

}  // namespace velmora
