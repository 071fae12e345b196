#include "display/size_commands.h"

#include "display/element_characters.h"
#include "history/form_control.h"
#include "model/workbench.h"
#include "solving/commands.h"

namespace velmora {

void optSize_Click(Workbench& wb, int index) {
    wb.pc().sgValue = index;
    if (wb.fControl().Loading) return;
    cbClear_Click(wb);
    PuzzleControl& pc = wb.pc();
    pc.sElements = defaultElements(pc.nDim);
    wb.settings().setElementsText(pc.sElements);
}

void tbSelements_Validate(Workbench& wb, std::string_view typed) {
    PuzzleControl& pc = wb.pc();
    const ElementsCheck check = checkElements(typed, pc.sElements);
    if (!check.accepted) {
        wb.messages().information(elementsNeededMessage(pc.sElements.size(), pc.wLanguage));
    }
    pc.sElements = check.elements;
    wb.settings().setElementsText(pc.sElements);
}

}  // namespace velmora
