#include "cell_painting.h"

#include <QFontMetricsF>
#include <QModelIndex>
#include <QPainter>
#include <QPalette>
#include <QTextLayout>
#include <cmath>

namespace velmora::ui {

namespace {

// Lays a candidate list out in centred lines spaced by the font's ascent alone: element
// characters are upper case and digits, so the descent would only waste the cell's height.
void drawCandidates(QPainter& painter, const QRect& rect, const QString& text) {
    if (text.isEmpty()) return;
    QTextLayout layout(text, painter.font(), painter.device());
    QTextOption wrap(Qt::AlignHCenter);
    wrap.setWrapMode(QTextOption::WordWrap);
    layout.setTextOption(wrap);
    const qreal step = std::ceil(QFontMetricsF(painter.font(), painter.device()).ascent());
    qreal y = 0;
    layout.beginLayout();
    for (QTextLine line = layout.createLine(); line.isValid(); line = layout.createLine()) {
        line.setLineWidth(rect.width());
        line.setPosition(QPointF(0, y));
        y += step;
    }
    layout.endLayout();
    painter.save();
    painter.setClipRect(rect, Qt::IntersectClip);
    layout.draw(&painter, rect.topLeft());
    painter.restore();
}

}  // namespace

CellLook cellLookOf(const QModelIndex& index, const QFont& gridFont, const QPalette& palette) {
    CellLook look;
    const QVariant back = index.data(Qt::BackgroundRole);
    look.background = back.isValid() ? back.value<QBrush>() : palette.base();
    const QVariant font = index.data(Qt::FontRole);
    look.font = font.isValid() ? font.value<QFont>() : gridFont;
    const QVariant fore = index.data(Qt::ForegroundRole);
    look.textColour = fore.isValid() ? fore.value<QBrush>().color() : palette.color(QPalette::Text);
    const QVariant align = index.data(Qt::TextAlignmentRole);
    look.alignment = align.isValid() ? align.toInt() : int{Qt::AlignCenter};
    look.text = index.data(Qt::DisplayRole).toString();
    return look;
}

void paintCell(QPainter& painter, const QRect& rect, const CellLook& look, bool wordWrap) {
    painter.save();
    painter.fillRect(rect, look.background);
    painter.setFont(look.font);
    painter.setPen(look.textColour);
    const QRect textRect = rect.adjusted(1, 0, -1, 0);
    if ((look.alignment & Qt::AlignTop) != 0) {
        // A candidate list wraps between its characters whatever the grid's wrap setting, which
        // follows the last cell written.
        drawCandidates(painter, textRect, look.text);
    } else {
        painter.drawText(textRect, look.alignment | (wordWrap ? Qt::TextWordWrap : 0), look.text);
    }
    painter.restore();
}

}  // namespace velmora::ui
