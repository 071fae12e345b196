#include "display/candidate_display.h"

#include "history/form_control.h"
#include "model/workbench.h"

namespace velmora {

void ckbScribbleArea_Click(Workbench& wb) {
    wb.readSubsetSwitches();
    PuzzleControl& pc = wb.pc();
    pc.Scribbling = wb.settings().showPencilMarks();
    if (wb.fControl().Loading) return;
    pc.theCells->resetPossibilities();
    wb.gControl().refreshEntrygrid();
    wb.gControl().bUnloadGrid();
}

void ckbExperimental_Click(Workbench& wb, bool simpleOnly) {
    PuzzleControl& pc = wb.pc();
    pc.Experimental = !simpleOnly;
    if (wb.fControl().Loading) return;
    pc.theCells->resetPossibilities();
    wb.gControl().refreshEntrygrid();
    wb.gControl().bUnloadGrid();
}

}  // namespace velmora
