#include "commands/commands.h"

#include <string>

#include "commands/save_commands.h"
#include "commands/workbench.h"
#include "elimination/candidates.h"
#include "savefile/save_install.h"
#include "savefile/save_text_reader.h"
#include "savefile/save_text_writer.h"
#include "solving/guess_solver.h"
#include "solving/hint.h"
#include "solving/solve_driver.h"
#include "texts/messages.h"
#include "texts/window_texts.h"

namespace velmora {

namespace {

void showMessage(Workbench& wb, Panel panel, MessageId id) {
    wb.statusBar().setPanelText(panel, getMessage(id, wb.pc().wLanguage));
}

}  // namespace

void StatusBarProgress::baseGenerated() {
    showMessage(wb_, Panel::Status, MessageId::BasePuzzleGenerated);
}

void StatusBarProgress::found(int attempts) {
    wb_.statusBar().setPanelText(
        Panel::Result,
        getMessage(MessageId::FoundGenuineSudoku, wb_.pc().wLanguage) + std::to_string(attempts));
}

bool StatusBarProgress::cancelled() {
    return wb_.stopRequested && wb_.stopRequested();
}

void clearSb2(Workbench& wb) {
    showMessage(wb, Panel::Result, MessageId::Ready);
}

void sbDoneornot(Workbench& wb, bool badnews) {
    const int status = wb.theCells().SolvedStatus;
    if (status == 1) {
        showMessage(wb, Panel::Status, MessageId::Solved);
    } else if (badnews) {
        showMessage(wb, Panel::Status,
                    status == 0 ? MessageId::Unsolvable : MessageId::MultipleSolutions);
    }
    // A grid finished by hand keeps its announcement; any other keeps the ready text.
    if (wb.theCells().isSolved()) {
        showMessage(wb, Panel::Result, MessageId::SolvedWellDone);
    } else {
        clearSb2(wb);
    }
}

void cbSolve_Click(Workbench& wb) {
    PuzzleControl& pc = wb.pc();
    const bool manual = pc.manualPencilMarks;
    if (manual) {
        if (!wb.messages().question(getMessage(MessageId::IgnoreManualMarks, pc.wLanguage))) return;
        pc.manualPencilMarks = false;
        wb.settings().setShowPencilMarksEnabled(true);
    }
    pc.Generate = false;
    pc.solving = true;
    pc.guessingEnabled = wb.settings().bruteForce();
    wb.settings().highlightPhase(Phase::Solve);
    showMessage(wb, Panel::Status, MessageId::Solving);
    clearSb2(wb);
    showMessage(wb, Panel::Progress, MessageId::Thinking);
    wb.fControl().resetUndoStack();

    StatusBarProgress progress(wb);
    solvePuzzle(pc, progress);

    pc.solving = false;
    wb.gControl().bUnloadGrid();
    wb.settings().highlightPhase(Phase::EnterInitial);
    sbDoneornot(wb, true);
    // A search cut short at its limit decided nothing, and brute force was what it tried.
    if (pc.guessingEnabled && wb.sBlock().Tries >= kGuessCallLimit) {
        showMessage(wb, Panel::Status, MessageId::SearchStopped);
        wb.statusBar().setPanelText(Panel::Result, kGiveUpText);
    }
    showMessage(wb, Panel::Progress, MessageId::TryAnother);
    pc.manualPencilMarks = manual;
    // Hand-kept marks are on again, so their display may not be switched off.
    if (manual) {
        pc.Scribbling = true;
        wb.settings().setShowPencilMarks(true);
        wb.settings().setShowPencilMarksEnabled(false);
    }
}

namespace {

// Puts back the puzzle a cancelled Generate started from, as a save file would bring it.
void putBack(Workbench& wb, const std::string& saved) {
    const SaveReadResult read = readSaveText(saved, loadDefaults(wb.pc()));
    if (read.ok()) {
        FormControl& fc = wb.fControl();
        fc.Loading = true;
        installSaveFile(wb, read.contents);
        fc.Loading = false;
    }
    wb.fControl().resetUndoStack();
    wb.settings().highlightPhase(Phase::Generate);
    const int language = wb.pc().wLanguage;
    wb.statusBar().setPanelText(Panel::Status,
                                windowText(WindowText::GenerationCancelled, language));
    clearSb2(wb);
    showMessage(wb, Panel::Progress, MessageId::Ready);
}

}  // namespace

void cbGenerate_Click(Workbench& wb) {
    // Taken before anything changes: a cancelled run puts it back.
    const std::string before = writeSaveText(wb.pc(), "", wb.clock());
    PuzzleControl& pc = wb.pc();
    wb.settings().highlightPhase(Phase::Generate);
    wb.newPuzzle();
    clearSb2(wb);
    showMessage(wb, Panel::Status, MessageId::GeneratingNewPuzzle);
    showMessage(wb, Panel::Progress, MessageId::Thinking);
    pc.Generate = true;
    pc.difficultyPercent = static_cast<std::int16_t>(wb.settings().difficulty());
    // The generator accepts only puzzles the rules finish without guessing.
    pc.guessingEnabled = false;
    const bool manual = pc.manualPencilMarks;
    pc.manualPencilMarks = false;

    StatusBarProgress progress(wb);
    solvePuzzle(pc, progress);
    if (progress.cancelled()) {
        pc.manualPencilMarks = manual;
        putBack(wb, before);
        return;
    }

    scells& puzzle = wb.theCells();
    puzzle.Resetting();
    resetPossibilities(puzzle);
    wb.gControl().bUnloadGrid();
    wb.fControl().Initial = false;
    pc.guessingEnabled = wb.settings().bruteForce();
    pc.manualPencilMarks = manual;
    showMessage(wb, Panel::Progress, MessageId::YourTurn);
    cbenterSolution_Click(wb);
}

void followLoadedPuzzle(Workbench& wb) {
    for (const scell& c : wb.theCells().cells()) {
        if (c.Original) {
            cbenterSolution_Click(wb);
            return;
        }
    }
}

void cbhint_Click(Workbench& wb) {
    giveHint(wb.theCells());
    wb.gControl().bUnloadGrid();
}

void cbClear_Click(Workbench& wb) {
    if (wb.fControl().Loading) return;
    wb.newPuzzle();
    wb.gControl().bUnloadGrid();
    cbEnterInitial_Click(wb);
    showMessage(wb, Panel::Status, MessageId::PuzzleCleared);
    clearSb2(wb);
    showMessage(wb, Panel::Progress, MessageId::Ready);
}

void cbEnterInitial_Click(Workbench& wb) {
    wb.fControl().Initial = true;
    wb.fControl().resetUndoStack();
    wb.settings().highlightPhase(Phase::EnterInitial);
    showMessage(wb, Panel::Status, MessageId::EnterGenerateOrLoad);
    clearSb2(wb);
}

void cbenterSolution_Click(Workbench& wb) {
    wb.fControl().Initial = false;
    wb.fControl().resetUndoStack();
    wb.settings().highlightPhase(Phase::EnterSolution);
    showMessage(wb, Panel::Status, MessageId::TrySolveManually);
}

void cbReset_Click(Workbench& wb) {
    scells& grid = wb.theCells();
    grid.Resetting();
    resetPossibilities(grid);
    wb.gControl().bUnloadGrid();
    showMessage(wb, Panel::Progress, MessageId::YourTurnAgain);
    cbenterSolution_Click(wb);
}

void cbExplain_Click(Workbench& wb) {
    wb.ladder().press(wb);
}

void cbCheck_Click(Workbench& wb) {
    wb.check().press(wb);
}

void cbUndo_Click(Workbench& wb) {
    if (wb.fControl().undoCount() > 0) wb.fControl().unDo();
}

void cbRedo_Click(Workbench& wb) {
    if (wb.fControl().redoCount() > 0) wb.fControl().reDo();
}

}  // namespace velmora
