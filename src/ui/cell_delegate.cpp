#include "cell_delegate.h"

#include <QAbstractItemView>
#include <QFontMetricsF>
#include <QPainter>
#include <QTableView>
#include <QTextLayout>
#include <cmath>

namespace velmora::ui {

namespace {

const QColor kCursorFocused(0, 0, 128);
const QColor kCursorUnfocused(128, 128, 128);

// Lays a candidate list out in centred lines spaced by the font's ascent alone: element
// characters are upper case and digits, so the descent would only waste the cell's height.
void drawCandidates(QPainter* painter, const QRect& rect, const QString& text) {
    if (text.isEmpty()) return;
    QTextLayout layout(text, painter->font(), painter->device());
    QTextOption wrap(Qt::AlignHCenter);
    wrap.setWrapMode(QTextOption::WordWrap);
    layout.setTextOption(wrap);
    const qreal step = std::ceil(QFontMetricsF(painter->font(), painter->device()).ascent());
    qreal y = 0;
    layout.beginLayout();
    for (QTextLine line = layout.createLine(); line.isValid(); line = layout.createLine()) {
        line.setLineWidth(rect.width());
        line.setPosition(QPointF(0, y));
        y += step;
    }
    layout.endLayout();
    painter->save();
    painter->setClipRect(rect);
    layout.draw(painter, rect.topLeft());
    painter->restore();
}

}  // namespace

CellDelegate::CellDelegate(QAbstractItemView* view) : QStyledItemDelegate(view), view_(view) {}

void CellDelegate::paint(QPainter* painter, const QStyleOptionViewItem& option,
                         const QModelIndex& index) const {
    painter->save();
    const QVariant back = index.data(Qt::BackgroundRole);
    painter->fillRect(option.rect, back.isValid() ? back.value<QBrush>() : option.palette.base());

    const QVariant fontData = index.data(Qt::FontRole);
    painter->setFont(fontData.isValid() ? fontData.value<QFont>() : option.font);
    const QVariant fore = index.data(Qt::ForegroundRole);
    painter->setPen(fore.isValid() ? fore.value<QBrush>().color()
                                   : option.palette.color(QPalette::Text));
    const QVariant alignData = index.data(Qt::TextAlignmentRole);
    const int align = alignData.isValid() ? alignData.toInt() : int{Qt::AlignCenter};
    const QString text = index.data(Qt::DisplayRole).toString();
    const QRect textRect = option.rect.adjusted(1, 0, -1, 0);
    if ((align & Qt::AlignTop) != 0) {
        // A candidate list wraps between its characters whatever the grid's wrap setting, which
        // follows the last cell written.
        drawCandidates(painter, textRect, text);
    } else {
        const auto* table = qobject_cast<const QTableView*>(view_);
        const bool wrap = table && table->wordWrap();
        painter->drawText(textRect, align | (wrap ? Qt::TextWordWrap : 0), text);
    }

    if (index == view_->currentIndex()) {
        const bool focused = view_->hasFocus();
        const int w = focused ? 2 : 1;
        painter->setPen(QPen(focused ? kCursorFocused : kCursorUnfocused, w));
        painter->setBrush(Qt::NoBrush);
        painter->drawRect(option.rect.adjusted(w / 2, w / 2, -(w + 1) / 2, -(w + 1) / 2));
    }
    painter->restore();
}

}  // namespace velmora::ui
