#include "commands/language_choice.h"

#include "commands/workbench.h"
#include "texts/language_tables.h"

namespace velmora {

void cmbLanguage_Click(Workbench& wb, int listIndex) {
    wb.pc().wLanguage = listIndex;
    setLanguage(wb);
    wb.ladder().showAgain(wb);
    wb.check().showAgain(wb);
}

void setLanguage(Workbench& wb) {
    applyLanguage(wb.pc().wLanguage, wb.controls());
}

}  // namespace velmora
