// How one cell of the grid is painted, shared by the screen (CellDelegate) and paper
// (GridPicture), so that paper shows exactly what the screen shows.
#pragma once

#include "model/cell_view.h"

class QPainter;
class QRectF;

namespace velmora::ui {

// Fills `rect` with the cell's background and draws its value in the middle, or its candidates
// in fixed places: a small grid of the box's shape (R rows of C candidates, candidate_spots), the
// same candidate always in the same spot, in the candidate font or smaller where the cell needs
// it. Fonts are `scale` times their size in points: a grid grown with its window.
void paintCell(QPainter& painter, const QRectF& rect, const CellView& cell,
               const GridLayout& layout, double scale = 1.0);

}  // namespace velmora::ui
