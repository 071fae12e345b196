#include "entry_grid.h"

#include <QApplication>
#include <QHeaderView>
#include <QKeyEvent>

#include "cell_delegate.h"
#include "display/grid_geometry.h"
#include "grid_model.h"

namespace velmora::ui {

namespace {

// The modifiers that change what a key means; the keypad's does not.
Qt::KeyboardModifiers meaningful(const QKeyEvent& event) {
    return event.modifiers() &
           (Qt::ShiftModifier | Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier);
}

std::optional<CursorMove> cursorMove(const QKeyEvent& event) {
    const bool ctrl = meaningful(event) == Qt::ControlModifier;
    switch (event.key()) {
        case Qt::Key_Left:
            return CursorMove::Left;
        case Qt::Key_Right:
            return CursorMove::Right;
        case Qt::Key_Up:
            return CursorMove::Up;
        case Qt::Key_Down:
            return CursorMove::Down;
        case Qt::Key_Home:
            return ctrl ? CursorMove::GridStart : CursorMove::RowStart;
        case Qt::Key_End:
            return ctrl ? CursorMove::GridEnd : CursorMove::RowEnd;
        default:
            return std::nullopt;
    }
}

}  // namespace

int keyCharacter(const QKeyEvent& event) {
    const int key = event.key();
    if (key < 0x21 || key > 0xFF) return -1;
    return QChar(key).toUpper().unicode();
}

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
    layOut();
}

int EntryGrid::designedCellSide() const {
    const GridLayout& layout = model_->gridLayout();
    const int n = layout.shape.n();
    return entryGridGeometry(layout.cellPoints, n, n, logicalDpiX(), logicalDpiY()).cellWidth;
}

double EntryGrid::fontScale() const {
    const int designed = designedCellSide();
    return designed > 0 && cellSide_ > 0 ? static_cast<double>(cellSide_) / designed : 1.0;
}

void EntryGrid::setDesignedSide(int side) {
    designedSide_ = side;
    if (offeredSide_ == 0) offeredSide_ = side;
    layOut();
}

void EntryGrid::fitInto(int side) {
    if (side == offeredSide_) return;
    offeredSide_ = side;
    layOut();
}

void EntryGrid::layOut() {
    const int n = model_->gridLayout().shape.n();
    if (n <= 0) return;
    const int frame = 2 * frameWidth();
    const int designed = designedCellSide();
    // Without an offer the grid keeps its designed cells.
    cellSide_ = designedSide_ > 0
                    ? fittedCellSide(designed, n, designedSide_ - frame, offeredSide_ - frame)
                    : designed;
    for (int c = 0; c < n; ++c)
        setColumnWidth(c, cellSide_);
    for (int r = 0; r < n; ++r)
        setRowHeight(r, cellSide_);
    setFixedSize(sizeForCellArea(n * cellSide_, n * cellSide_));
}

void EntryGrid::showCells(std::span<const CellView> cells) {
    model_->setCells(cells);
    // Shown at once, even while a long command keeps the event loop waiting.
    if (isVisible()) viewport()->repaint();
}

void EntryGrid::showCellNames(std::span<const std::string> names) {
    model_->setNames(names);
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

bool EntryGrid::event(QEvent* event) {
    // A character with Ctrl or Alt the grid claims reaches keyPressEvent instead of a shortcut
    // or a menu.
    if (event->type() == QEvent::ShortcutOverride) {
        const auto* key = static_cast<QKeyEvent*>(event);
        const Qt::KeyboardModifiers mods = meaningful(*key);
        if ((mods == Qt::ControlModifier || mods == Qt::AltModifier) && keyCharacter(*key) > 0 &&
            claimsKey && claimsKey(*key)) {
            event->accept();
            return true;
        }
    }
    return QTableView::event(event);
}

void EntryGrid::keyPressEvent(QKeyEvent* event) {
    const Qt::KeyboardModifiers mods = meaningful(*event);
    if (mods == Qt::ControlModifier || mods == Qt::AltModifier) {
        const int code = keyCharacter(*event);
        if (code > 0 && claimsKey && claimsKey(*event)) {
            event->accept();
            emit(mods == Qt::ControlModifier ? highlightTyped(code) : pencilMarkTyped(code));
            return;
        }
    }
    if (const auto move = cursorMove(*event);
        move && (mods == Qt::NoModifier || mods == Qt::ShiftModifier ||
                 (mods == Qt::ControlModifier &&
                  (event->key() == Qt::Key_Home || event->key() == Qt::Key_End)))) {
        event->accept();
        emit cursorKey(*move);
        return;
    }
    // Other keys with Ctrl, Alt or Meta belong to the window.
    if ((mods & ~Qt::ShiftModifier) != Qt::NoModifier) {
        event->ignore();
        return;
    }
    int code = -1;
    switch (event->key()) {
        case Qt::Key_Return:
        case Qt::Key_Enter:
            code = 13;
            break;
        case Qt::Key_Backspace:
        case Qt::Key_Delete:
            code = 8;
            break;
        case Qt::Key_Escape:
            code = 27;
            break;
        case Qt::Key_Tab:
        case Qt::Key_Backtab:
            break;
        default:
            // Keys without a character (Page Up, ...) do what the table does with them.
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
