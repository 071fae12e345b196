#include "commands/size_commands.h"

#include "commands/commands.h"
#include "commands/workbench.h"
#include "display/element_characters.h"
#include "model/latin1.h"

namespace velmora {

void optSize_Click(Workbench& wb, int index) {
    wb.pc().sgValue = index;
    if (wb.fControl().Loading) return;
    // The new size's characters are in place before the empty grid is drawn with them.
    if (index >= 0 && index < static_cast<int>(kBoxShapes.size())) {
        PuzzleControl& pc = wb.pc();
        pc.sElements = defaultElements(kBoxShapes[static_cast<std::size_t>(index)].n());
        wb.settings().setElementsText(latin1ToUtf8(pc.sElements));
    }
    cbClear_Click(wb);
}

void tbSelements_Validate(Workbench& wb, std::string_view typed) {
    PuzzleControl& pc = wb.pc();
    const ElementsCheck check = checkElements(typed, pc.sElements);
    if (!check.accepted) {
        wb.messages().information(elementsNeededMessage(pc.sElements.size(), pc.wLanguage));
    }
    pc.sElements = check.elements;
    wb.settings().setElementsText(latin1ToUtf8(pc.sElements));
}

}  // namespace velmora
