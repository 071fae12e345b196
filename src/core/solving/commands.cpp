#include "solving/commands.h"

#include "model/workbench.h"
#include "solving/guess_solver.h"
#include "solving/hint.h"
#include "solving/solve_driver.h"
#include "texts/messages.h"

namespace velmora {

namespace {

void showMessage(Workbench& wb, int panel, int number) {
    wb.statusBar().setPanelText(panel, getMessage(number, wb.pc().wLanguage));
}

}  // namespace

void clearSb2(Workbench& wb) {
    showMessage(wb, 2, 5);
}

void sbDoneornot(Workbench& wb, bool badnews) {
    const int status = wb.theCells().SolvedStatus;
    if (status == 1) {
        showMessage(wb, 1, 13);
    } else if (badnews) {
        showMessage(wb, 1, status == 0 ? 14 : 15);
    }
    clearSb2(wb);
}

void cbSolve_Click(Workbench& wb) {
    PuzzleControl& pc = wb.pc();
    const bool manual = pc.manualPencilMarks;
    if (manual) {
        if (!wb.messages().question(getMessage(10, pc.wLanguage))) return;
        pc.manualPencilMarks = false;
        wb.settings().setShowPencilMarksEnabled(true);
    }
    pc.Generate = false;
    pc.solving = true;
    pc.guessingEnabled = wb.settings().bruteForce();
    wb.settings().highlightPhase(Phase::Solve);
    showMessage(wb, 1, 11);
    clearSb2(wb);
    showMessage(wb, 3, 1);
    wb.fControl().resetUndoStack();

    solvePuzzle(wb);

    pc.solving = false;
    wb.gControl().bUnloadGrid();
    wb.settings().highlightPhase(Phase::EnterInitial);
    sbDoneornot(wb, true);
    // sbDoneornot has just cleared panel 2; a search cut short must still say why.
    if (pc.guessingEnabled && wb.sBlock().Tries >= kGuessCallLimit)
        wb.statusBar().setPanelText(2, kGiveUpText);
    showMessage(wb, 3, 12);
    pc.manualPencilMarks = manual;
}

void cbGenerate_Click(Workbench& wb) {
    PuzzleControl& pc = wb.pc();
    wb.settings().highlightPhase(Phase::Generate);
    wb.newPuzzle();
    clearSb2(wb);
    showMessage(wb, 1, 0);
    showMessage(wb, 3, 1);
    pc.Generate = true;
    pc.difficultyPercent = static_cast<std::int16_t>(wb.settings().difficulty());
    // The generator accepts only puzzles the rules finish without guessing.
    pc.guessingEnabled = false;
    const bool manual = pc.manualPencilMarks;
    pc.manualPencilMarks = false;

    solvePuzzle(wb);

    scells& puzzle = wb.theCells();
    puzzle.Resetting();
    puzzle.resetPossibilities();
    wb.gControl().bUnloadGrid();
    wb.fControl().Initial = false;
    pc.guessingEnabled = wb.settings().bruteForce();
    pc.manualPencilMarks = manual;
    showMessage(wb, 3, 8);
    cbenterSolution_Click(wb);
}

void cbhint_Click(Workbench& wb) {
    giveHint(wb);
    wb.gControl().bUnloadGrid();
}

void cbClear_Click(Workbench& wb) {
    if (wb.fControl().Loading) return;
    wb.newPuzzle();
    wb.gControl().bUnloadGrid();
    cbEnterInitial_Click(wb);
    showMessage(wb, 1, 4);
    clearSb2(wb);
    showMessage(wb, 3, 5);
}

void cbEnterInitial_Click(Workbench& wb) {
    wb.fControl().Initial = true;
    wb.fControl().resetUndoStack();
    wb.settings().highlightPhase(Phase::EnterInitial);
    showMessage(wb, 1, 6);
    clearSb2(wb);
}

void cbenterSolution_Click(Workbench& wb) {
    wb.fControl().Initial = false;
    wb.fControl().resetUndoStack();
    wb.settings().highlightPhase(Phase::EnterSolution);
    showMessage(wb, 1, 7);
}

void cbReset_Click(Workbench& wb) {
    scells& grid = wb.theCells();
    grid.Resetting();
    grid.resetPossibilities();
    wb.gControl().bUnloadGrid();
    showMessage(wb, 3, 9);
    cbenterSolution_Click(wb);
}

}  // namespace velmora
