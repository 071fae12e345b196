// The boxes that govern the candidates: "Show Pencil Marks" (candidate lists on or off in the
// grid) and "Simple Elimination only" (the basic rule alone, or the complex rules too).
#pragma once

namespace velmora {

class Workbench;

// The box was ticked or unticked (by the user or by code).
void ckbScribbleArea_Click(Workbench& wb);

// "Simple Elimination only" was ticked (`simpleOnly`) or unticked.
void ckbExperimental_Click(Workbench& wb, bool simpleOnly);

}  // namespace velmora
