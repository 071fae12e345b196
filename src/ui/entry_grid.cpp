#include "entry_grid.h"

#include <QApplication>
#include <QHeaderView>
#include <QKeyEvent>

#include "cell_delegate.h"
#include "display/grid_geometry.h"
#include "grid_model.h"

namespace velmora::ui {

EntryGrid::EntryGrid(QWidget* parent) : QTableView(parent), model_(new GridModel(this)) {
    setObjectName("EntryGrid");
    setModel(model_);
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    setSelectionMode(QAbstractItemView::NoSelection);
    setTabKeyNavigation(false);
    setAutoScroll(false);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    for (QHeaderView* h : {horizontalHeader(), verticalHeader()}) {
        h->hide();
        h->setMinimumSectionSize(1);
        h->setSectionResizeMode(QHeaderView::Fixed);
    }
    setItemDelegate(new CellDelegate(this));
    setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Fixed);
}

void EntryGrid::showLayout(const GridLayout& layout) {
    model_->setGridLayout(layout);
    const int n = layout.shape.n();
    const GridGeometry g = entryGridGeometry(layout.cellPoints, n, n, logicalDpiX(), logicalDpiY());
    for (int c = 0; c < n; ++c)
        setColumnWidth(c, g.cellWidth);
    for (int r = 0; r < n; ++r)
        setRowHeight(r, g.cellHeight);
    setFixedSize(sizeForCellArea(g.width, g.height));
}

void EntryGrid::showCells(std::span<const CellView> cells) {
    model_->setCells(cells);
    // Shown at once, even while a long command keeps the event loop waiting.
    if (isVisible()) viewport()->repaint();
}

GridCursor EntryGrid::cursor() const {
    const QModelIndex at = currentIndex();
    if (!at.isValid()) return {};
    return {at.row(), at.column()};
}

void EntryGrid::setCursor(GridCursor cursor) {
    setCurrentIndex(model_->index(cursor.row, cursor.col));
}

void EntryGrid::beep() {
    QApplication::beep();
    emit beeped();
}

QSize EntryGrid::sizeForCellArea(int width, int height) const {
    const int frame = 2 * frameWidth();
    return {width + frame, height + frame};
}

void EntryGrid::keyPressEvent(QKeyEvent* event) {
    int code = -1;
    switch (event->key()) {
        case Qt::Key_Return:
        case Qt::Key_Enter:
            code = 13;
            break;
        case Qt::Key_Backspace:
            code = 8;
            break;
        case Qt::Key_Escape:
            code = 27;
            break;
        case Qt::Key_Tab:
        case Qt::Key_Backtab:
        case Qt::Key_Delete:
            break;
        default:
            // Keys without a character (arrows, Home, ...) move the cursor as the table does.
            if (!event->text().isEmpty()) code = static_cast<int>(event->text().at(0).unicode());
            break;
    }
    if (code < 0) {
        QTableView::keyPressEvent(event);
        return;
    }
    event->accept();
    emit keyTyped(code);
}

}  // namespace velmora::ui
