#include "commands/candidate_options.h"

#include "commands/workbench.h"
#include "elimination/candidates.h"
#include "elimination/grid_build.h"
#include "texts/messages.h"

namespace velmora {

void ckbScribbleArea_Click(Workbench& wb) {
    readSubsetSwitches(wb.pc());
    PuzzleControl& pc = wb.pc();
    pc.Scribbling = wb.settings().showPencilMarks();
    if (wb.fControl().Loading) return;
    resetPossibilities(*pc.theCells);
    wb.gControl().refreshEntrygrid();
    wb.gControl().bUnloadGrid();
}

void ckbmanualpencilmarks_Click(Workbench& wb, bool ticked) {
    PuzzleControl& pc = wb.pc();
    pc.manualPencilMarks = ticked;
    if (wb.fControl().Loading) {
        // The file's own marks stay; only the display box's availability follows.
        wb.settings().setShowPencilMarksEnabled(!ticked);
        return;
    }
    if (ticked) {
        if (wb.messages().question(getMessage(MessageId::ClearComputerMarks, pc.wLanguage)))
            pc.theCells->ClearPencilMarks();
        // Hand-kept marks are useless unseen, so the display cannot be switched off meanwhile.
        pc.Scribbling = true;
        wb.settings().setShowPencilMarks(true);
        wb.settings().setShowPencilMarksEnabled(false);
    } else {
        wb.settings().setShowPencilMarksEnabled(true);
    }
    wb.gControl().bUnloadGrid();
}

void keepPencilMarks(Workbench& wb) {
    PuzzleControl& pc = wb.pc();
    pc.manualPencilMarks = true;
    pc.Scribbling = true;
    wb.settings().showManualPencilMarks(true);
    wb.settings().setShowPencilMarks(true);
    wb.settings().setShowPencilMarksEnabled(false);
}

void ckbExperimental_Click(Workbench& wb, bool simpleOnly) {
    PuzzleControl& pc = wb.pc();
    pc.Experimental = !simpleOnly;
    if (wb.fControl().Loading) return;
    resetPossibilities(*pc.theCells);
    wb.gControl().refreshEntrygrid();
    wb.gControl().bUnloadGrid();
}

}  // namespace velmora
