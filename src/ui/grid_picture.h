// The picture of the whole entry grid as the screen shows it, every cell with its colours, fonts
// and text, and the grid lines; without the widget's frame and the entry cursor. Printing draws
// it on paper, always at the grid's designed size, however large the window shows it.
#pragma once

#include <QSize>

class QPainter;

namespace velmora::ui {

class EntryGrid;

class GridPicture {
  public:
    explicit GridPicture(const EntryGrid& grid) : grid_(grid) {}

    // The picture's size in the grid's pixels: all its columns and rows at their designed size.
    QSize size() const;
    // Paints the picture with its top left corner at the painter's origin, one unit per pixel
    // of the grid.
    void paint(QPainter& painter) const;

  private:
    const EntryGrid& grid_;
};

}  // namespace velmora::ui
