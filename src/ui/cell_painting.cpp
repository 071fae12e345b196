#include "cell_painting.h"

#include <QFont>
#include <QFontMetricsF>
#include <QPainter>
#include <algorithm>
#include <bit>

#include "qt_colour.h"

namespace velmora::ui {

namespace {

// The cell's font at its size in points, on the painter's device.
QFont cellFont(const CellFormat& format) {
    QFont font(QString::fromStdString(format.fontName));
    font.setPointSizeF(format.fontSize > 0 ? format.fontSize : 8);
    return font;
}

void drawCandidates(QPainter& painter, const QRectF& rect, const CellView& cell,
                    const GridLayout& layout) {
    const int rows = std::max(layout.shape.rows, 1);
    const int cols = std::max(layout.shape.cols, 1);
    const QRectF inner = rect.adjusted(1, 1, -1, -1);
    const qreal w = inner.width() / cols;
    const qreal h = inner.height() / rows;
    QFont font = cellFont(cell.format);
    QFontMetricsF metrics(font, painter.device());
    // Shrink until the widest element and the character height fit one place of the small grid.
    qreal widest = 0;
    for (const std::string& e : layout.elements)
        widest = std::max(widest, metrics.horizontalAdvance(QString::fromStdString(e)));
    const qreal scale = std::min({1.0, w * 0.95 / std::max(widest, 1.0),
                                  h * 0.95 / std::max(metrics.capHeight() * 1.25, 1.0)});
    if (scale < 1.0) font.setPointSizeF(std::max(font.pointSizeF() * scale, 1.0));
    // Candidates a command points at are bold in the mark colour, those it removes struck out.
    QFont marked = font;
    marked.setBold(true);
    QFont struck = font;
    struck.setStrikeOut(true);
    for (std::uint32_t bits = cell.candidates; bits != 0; bits &= bits - 1) {
        const int k = std::countr_zero(bits);
        if (k >= static_cast<int>(layout.elements.size())) break;
        const std::uint32_t bit = std::uint32_t{1} << k;
        const bool isStruck = (cell.struck & bit) != 0;
        const bool isMarked = (cell.marked & bit) != 0 && !isStruck;
        painter.setFont(isStruck ? struck : isMarked ? marked : font);
        painter.setPen(toQColor(isStruck   ? cell.format.strikeFore
                                : isMarked ? cell.format.markFore
                                           : cell.format.fore));
        const QRectF place(inner.left() + (k % cols) * w, inner.top() + (k / cols) * h, w, h);
        painter.drawText(place, Qt::AlignCenter,
                         QString::fromStdString(layout.elements[static_cast<std::size_t>(k)]));
    }
}

}  // namespace

void paintCell(QPainter& painter, const QRectF& rect, const CellView& cell,
               const GridLayout& layout) {
    painter.save();
    painter.fillRect(rect, toQColor(cell.format.back));
    painter.setPen(toQColor(cell.format.fore));
    if (cell.candidates != 0) {
        drawCandidates(painter, rect, cell, layout);
    } else if (!cell.text.empty()) {
        painter.setFont(cellFont(cell.format));
        painter.drawText(rect, Qt::AlignCenter, QString::fromStdString(cell.text));
    }
    painter.restore();
}

}  // namespace velmora::ui
