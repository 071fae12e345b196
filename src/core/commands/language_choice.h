// The language list (cmbLanguage): English, German and French at positions 0, 1 and 2.
#pragma once

namespace velmora {

class Workbench;

// The list's selection changed to `listIndex` (-1 when nothing is selected): the captions and
// tool tips change at once, the status messages from the next one on.
void cmbLanguage_Click(Workbench& wb, int listIndex);

// Writes every caption, tool tip, menu entry and accessible name for the configuration's
// language through the window's controls.
void setLanguage(Workbench& wb);

}  // namespace velmora
