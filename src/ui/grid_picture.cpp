#include "grid_picture.h"

#include <QPainter>
#include <QStyle>
#include <QStyleOption>

#include "cell_painting.h"
#include "display/grid_geometry.h"
#include "entry_grid.h"
#include "grid_model.h"

namespace velmora::ui {

namespace {

// Paper shows the grid at its designed size, however large the window has made it on screen.
GridGeometry designed(const EntryGrid& grid) {
    const GridLayout& layout = grid.gridModel().gridLayout();
    const int n = layout.shape.n();
    return entryGridGeometry(layout.cellPoints, n, n, grid.logicalDpiX(), grid.logicalDpiY());
}

}  // namespace

QSize GridPicture::size() const {
    const GridGeometry g = designed(grid_);
    return {g.width, g.height};
}

void GridPicture::paint(QPainter& painter) const {
    painter.save();
    // The table's own grid-line colour, so the lines match the screen's.
    QStyleOption option;
    option.initFrom(&grid_);
    const QColor lines = QColor::fromRgba(static_cast<QRgb>(
        grid_.style()->styleHint(QStyle::SH_Table_GridLineColor, &option, &grid_)));
    const QSize whole = size();
    const GridModel& model = grid_.gridModel();
    const GridGeometry g = designed(grid_);
    const int w = g.cellWidth;
    const int h = g.cellHeight;
    int y = 0;
    for (int r = 0; r < model.rowCount(); ++r) {
        int x = 0;
        for (int c = 0; c < model.columnCount(); ++c) {
            // As on screen: the cell leaves its last column and row of pixels to the grid lines.
            paintCell(painter, QRectF(x, y, w - 1, h - 1), model.cell(r, c), model.gridLayout());
            x += w;
        }
        y += h;
    }
    // Lines as one-pixel rectangles: they land on whole pixels on screen and on paper alike.
    int x = 0;
    for (int c = 0; c < model.columnCount(); ++c) {
        x += w;
        painter.fillRect(QRect(x - 1, 0, 1, whole.height()), lines);
    }
    y = 0;
    for (int r = 0; r < model.rowCount(); ++r) {
        y += h;
        painter.fillRect(QRect(0, y - 1, whole.width(), 1), lines);
    }
    // On screen the widget's frame closes the grid at its left and top; on paper a line does.
    painter.fillRect(QRect(0, 0, 1, whole.height()), lines);
    painter.fillRect(QRect(0, 0, whole.width(), 1), lines);
    painter.restore();
}

}  // namespace velmora::ui
