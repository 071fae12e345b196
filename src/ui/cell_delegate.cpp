#include "cell_delegate.h"

#include <QAbstractItemView>
#include <QPainter>

#include "cell_painting.h"
#include "entry_grid.h"
#include "grid_model.h"

namespace velmora::ui {

namespace {

const QColor kCursorFocused(0, 0, 128);
const QColor kCursorUnfocused(128, 128, 128);

}  // namespace

CellDelegate::CellDelegate(QAbstractItemView* view) : QStyledItemDelegate(view), view_(view) {}

void CellDelegate::paint(QPainter* painter, const QStyleOptionViewItem& option,
                         const QModelIndex& index) const {
    const auto* model = qobject_cast<const GridModel*>(index.model());
    if (!model) return;
    const auto* grid = qobject_cast<const EntryGrid*>(view_);
    paintCell(*painter, option.rect, model->cell(index.row(), index.column()), model->gridLayout(),
              grid ? grid->fontScale() : 1.0);

    if (index == view_->currentIndex()) {
        painter->save();
        const bool focused = view_->hasFocus();
        const int w = focused ? 2 : 1;
        painter->setPen(QPen(focused ? kCursorFocused : kCursorUnfocused, w));
        painter->setBrush(Qt::NoBrush);
        painter->drawRect(option.rect.adjusted(w / 2, w / 2, -(w + 1) / 2, -(w + 1) / 2));
        painter->restore();
    }
}

}  // namespace velmora::ui
