// The look of a highlighted value: every cell that holds it on a blue background, every open
// cell's candidate of it bold in dark blue. Blue is used by nothing else in the grid: not the
// violet of conflicts, the red of cells without candidates, the pink phase highlight, nor the
// yellow, green and orange backgrounds and dark green and red candidates of Explain and Check.
#pragma once

#include "model/cell_view.h"
#include "model/colour.h"

namespace velmora {

// A shade darker on the shaded boxes, so the box pattern still shows through.
inline constexpr Colour kDigitBackEven = rgb(150, 190, 255);
inline constexpr Colour kDigitBackOdd = rgb(175, 208, 255);
inline constexpr Colour kDigitMarkFore = rgb(0, 60, 220);

// Puts the highlight of value `element` (1..N) into the look of a cell holding `value` (0 when
// open). A conflict keeps its violet background: it matters more. True when the cell holds or
// lists the value.
bool highlightDigit(CellView& view, int value, int element, bool evenBox, bool conflict);

}  // namespace velmora
