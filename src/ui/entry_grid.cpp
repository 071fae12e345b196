#include "entry_grid.h"

#include <QApplication>
#include <QHeaderView>
#include <QKeyEvent>

#include "cell_delegate.h"
#include "qt_colour.h"

namespace velmora::ui {

namespace {

// The colour `role` of `it`, or kNoColour when there is no item or it has no such colour.
Colour itemColour(const QTableWidgetItem* it, Qt::ItemDataRole role) {
    const QVariant v = it ? it->data(role) : QVariant();
    return v.isValid() ? fromQColor(v.value<QBrush>().color()) : kNoColour;
}

// The font of `it` if it has its own, otherwise `fallback`, the grid's.
QFont itemFont(const QTableWidgetItem* it, const QFont& fallback) {
    return it->data(Qt::FontRole).isValid() ? it->font() : fallback;
}

}  // namespace

EntryGrid::EntryGrid(QWidget* parent) : QTableWidget(parent) {
    setObjectName("EntryGrid");
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
    QFont f = font();
    f.setFamily("Tahoma");
    setFont(f);
    setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Fixed);
}

void EntryGrid::setRedraw(bool on) {
    setUpdatesEnabled(on);
    // Switched on, the grid shows at once, even while a long command keeps the loop waiting.
    if (on && isVisible()) viewport()->repaint();
}

void EntryGrid::clearCells() {
    clearContents();
    fillItems();
}

void EntryGrid::setDimensions(int rows, int cols) {
    setRowCount(rows);
    setColumnCount(cols);
    fillItems();
}

void EntryGrid::fillItems() {
    for (int r = 0; r < rowCount(); ++r)
        for (int c = 0; c < columnCount(); ++c)
            if (!item(r, c)) setItem(r, c, new QTableWidgetItem);
}

QSize EntryGrid::sizeForCellArea(int width, int height) const {
    const int frame = 2 * frameWidth();
    return {width + frame, height + frame};
}

int EntryGrid::cellAreaWidth() const {
    return width() - 2 * frameWidth();
}

int EntryGrid::cellAreaHeight() const {
    return height() - 2 * frameWidth();
}

void EntryGrid::setCellAreaSize(int width, int height) {
    setFixedSize(sizeForCellArea(width, height));
}

void EntryGrid::setCurrentCell(int row, int col) {
    if (row < 0 || col < 0 || row >= rowCount() || col >= columnCount()) {
        setCurrentIndex(QModelIndex());
        return;
    }
    QTableWidget::setCurrentCell(row, col);
}

QTableWidgetItem* EntryGrid::current() const {
    return currentItem();
}

QTableWidgetItem* EntryGrid::currentForWriting() {
    const int r = currentRow();
    const int c = currentCol();
    if (r < 0 || c < 0) return nullptr;
    if (!item(r, c)) setItem(r, c, new QTableWidgetItem);
    return item(r, c);
}

Colour EntryGrid::cellBackColor() const {
    return itemColour(current(), Qt::BackgroundRole);
}

void EntryGrid::setCellBackColor(Colour c) {
    if (QTableWidgetItem* it = currentForWriting()) it->setBackground(toQColor(c));
}

Colour EntryGrid::cellForeColor() const {
    return itemColour(current(), Qt::ForegroundRole);
}

void EntryGrid::setCellForeColor(Colour c) {
    if (QTableWidgetItem* it = currentForWriting()) it->setForeground(toQColor(c));
}

std::string EntryGrid::cellFontName() const {
    const QTableWidgetItem* it = current();
    if (!it || !it->data(Qt::FontRole).isValid()) return {};
    return it->font().family().toStdString();
}

void EntryGrid::setCellFontName(const std::string& name) {
    if (QTableWidgetItem* it = currentForWriting()) {
        QFont f = itemFont(it, font());
        f.setFamily(QString::fromStdString(name));
        it->setFont(f);
    }
}

double EntryGrid::cellFontSize() const {
    const QTableWidgetItem* it = current();
    if (!it || !it->data(Qt::FontRole).isValid()) return 0;
    return it->font().pointSizeF();
}

void EntryGrid::setCellFontSize(double points) {
    if (QTableWidgetItem* it = currentForWriting()) {
        QFont f = itemFont(it, font());
        f.setPointSizeF(points);
        it->setFont(f);
    }
}

CellAlignment EntryGrid::cellAlignment() const {
    const QTableWidgetItem* it = current();
    if (!it || !it->data(Qt::TextAlignmentRole).isValid()) return CellAlignment{};
    const auto align = Qt::Alignment::fromInt(it->textAlignment());
    return align == (Qt::AlignHCenter | Qt::AlignTop) ? CellAlignment::TopCentre
                                                      : CellAlignment::Centre;
}

void EntryGrid::setCellAlignment(CellAlignment a) {
    if (QTableWidgetItem* it = currentForWriting()) {
        it->setTextAlignment(a == CellAlignment::TopCentre ? (Qt::AlignHCenter | Qt::AlignTop)
                                                           : Qt::AlignCenter);
    }
}

std::string EntryGrid::cellText() const {
    const QTableWidgetItem* it = current();
    return it ? it->text().toStdString() : std::string{};
}

void EntryGrid::setCellText(const std::string& text) {
    if (QTableWidgetItem* it = currentForWriting()) it->setText(QString::fromStdString(text));
}

void EntryGrid::beep() {
    QApplication::beep();
    emit beeped();
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
        QTableWidget::keyPressEvent(event);
        return;
    }
    event->accept();
    emit keyTyped(code);
}

}  // namespace velmora::ui
