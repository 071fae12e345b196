// The boxes that govern the candidates: "Show Pencil Marks" (candidate lists on or off in the
// grid), "Manual Pencil marks" (the candidates are the user's, edited by double click) and
// "Simple Elimination only" (the basic rule alone, or the complex rules too). Each handler runs
// whenever its box changes, by the user or by code; while a file loads it only sets its field.
#pragma once

namespace velmora {

class Workbench;

// "Show Pencil Marks" was ticked or unticked. The technique switches and the statistics box
// refresh the grid through this handler too.
void ckbScribbleArea_Click(Workbench& wb);

// "Manual Pencil marks" was ticked (`ticked`) or unticked.
void ckbmanualpencilmarks_Click(Workbench& wb, bool ticked);

// "Simple Elimination only" was ticked (`simpleOnly`) or unticked.
void ckbExperimental_Click(Workbench& wb, bool simpleOnly);

// Makes the candidates on show the user's own, as ticking "Manual Pencil marks" does but without
// asking: nothing is cleared, and the display of marks is on and cannot be switched off.
void keepPencilMarks(Workbench& wb);

}  // namespace velmora
