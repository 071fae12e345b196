// The colours of what a command points at in the grid: distinct from the violet of conflicts,
// the red of cells without candidates and the phase highlight, and readable on both box shades.
#pragma once

#include "model/cell_view.h"

namespace velmora {

// Gives `view` the background of `emphasis` on a cell of an even (shaded) or odd box, and the
// colours of marked and struck candidates.
void highlightCell(CellView& view, Emphasis emphasis, bool evenBox);

}  // namespace velmora
