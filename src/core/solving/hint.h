// The hint: one cell whose value follows from the current candidates.
#pragma once

namespace velmora {

class scells;

// Makes the first open cell of the solver order that has exactly one candidate a solver value.
// Nothing goes on the undo stack and no status text is written.
void giveHint(scells& grid);

}  // namespace velmora
