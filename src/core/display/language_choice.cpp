#include "display/language_choice.h"

#include "history/form_control.h"
#include "model/workbench.h"

namespace velmora {

void cmbLanguage_Click(Workbench& wb, int listIndex) {
    wb.pc().wLanguage = listIndex;
    wb.fControl().setLanguage();
}

}  // namespace velmora
