#include "cell_painting.h"

#include <QFont>
#include <QFontMetricsF>
#include <QPainter>
#include <algorithm>
#include <bit>

#include "display/candidate_spots.h"
#include "qt_colour.h"

namespace velmora::ui {

namespace {

// The cell's font at its size in points times `scale`, on the painter's device.
QFont cellFont(const CellFormat& format, double scale) {
    QFont font(QString::fromStdString(format.fontName));
    font.setPointSizeF((format.fontSize > 0 ? format.fontSize : 8) * scale);
    return font;
}

// The widest element character in `font`.
qreal widestElement(const QFont& font, const GridLayout& layout, QPaintDevice& device) {
    const QFontMetricsF metrics(font, &device);
    qreal widest = 0;
    for (const std::string& e : layout.elements)
        widest = std::max(widest, metrics.horizontalAdvance(QString::fromStdString(e)));
    return std::max(widest, 1.0);
}

// Makes `font` fit one place of the small grid, `w` x `h`: smaller until the character height
// fits, then narrower (to a condensed 70 %) and only then smaller again until the widest element
// fits, so that candidates of a wide small grid (3x6) stay as tall as their place allows.
void fitCandidateFont(QFont& font, qreal w, qreal h, const GridLayout& layout,
                      QPaintDevice& device) {
    const QFontMetricsF metrics(font, &device);
    const qreal tall = h / std::max(metrics.capHeight() * 1.25, 1.0);
    if (tall < 1.0) font.setPointSizeF(std::max(font.pointSizeF() * tall, 1.0));
    const qreal wide = w / widestElement(font, layout, device);
    if (wide >= 1.0) return;
    constexpr int kNarrowest = 70;
    font.setStretch(std::max(kNarrowest, static_cast<int>(wide * 100)));
    // Whatever the face made of the stretch, the widest element must fit.
    const qreal still = w / widestElement(font, layout, device);
    if (still < 1.0) font.setPointSizeF(std::max(font.pointSizeF() * still, 1.0));
}

void drawCandidates(QPainter& painter, const QRectF& rect, const CellView& cell,
                    const GridLayout& layout, double scale) {
    const QRectF inner = rect.adjusted(1, 1, -1, -1);
    const CandidateSpot first = candidateSpot(0, layout.shape);
    const qreal w = inner.width() * first.width;
    const qreal h = inner.height() * first.height;
    QFont font = cellFont(cell.format, scale);
    fitCandidateFont(font, w * 0.95, h * 0.95, layout, *painter.device());
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
        const CandidateSpot spot = candidateSpot(k, layout.shape);
        const QRectF place(inner.left() + spot.left * inner.width(),
                           inner.top() + spot.top * inner.height(), w, h);
        painter.drawText(place, Qt::AlignCenter,
                         QString::fromStdString(layout.elements[static_cast<std::size_t>(k)]));
    }
}

}  // namespace

void paintCell(QPainter& painter, const QRectF& rect, const CellView& cell,
               const GridLayout& layout, double scale) {
    painter.save();
    painter.fillRect(rect, toQColor(cell.format.back));
    painter.setPen(toQColor(cell.format.fore));
    if (cell.candidates != 0) {
        drawCandidates(painter, rect, cell, layout, scale);
    } else if (!cell.text.empty()) {
        painter.setFont(cellFont(cell.format, scale));
        painter.drawText(rect, Qt::AlignCenter, QString::fromStdString(cell.text));
    }
    painter.restore();
}

}  // namespace velmora::ui
