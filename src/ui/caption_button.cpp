#include "caption_button.h"

#include <QStyleOptionButton>
#include <QStylePainter>
#include <algorithm>

#include "texts/language_tables.h"

namespace velmora::ui {

namespace {

// The narrowest width at which `caption` takes two lines at most, broken at one of its blanks.
int twoLineWidth(const QFontMetrics& metrics, const QString& caption) {
    int best = metrics.horizontalAdvance(caption);
    for (qsizetype i = caption.indexOf(' '); i >= 0; i = caption.indexOf(' ', i + 1)) {
        best = std::min(best, std::max(metrics.horizontalAdvance(caption.left(i)),
                                       metrics.horizontalAdvance(caption.mid(i + 1))));
    }
    return best;
}

}  // namespace

CaptionButton::CaptionButton(const QString& caption, QWidget* parent)
    : QPushButton(caption, parent) {}

int CaptionButton::captionWidth() const {
    int width = twoLineWidth(fontMetrics(), text());
    for (int language = 0; language <= 2; ++language) {
        for (const ControlTexts& row : languageTable(language)) {
            if (!row.control.starts_with("cb")) continue;
            const QString caption =
                QString::fromUtf8(row.caption.data(), static_cast<qsizetype>(row.caption.size()));
            width = std::max(width, twoLineWidth(fontMetrics(), caption));
        }
    }
    return width;
}

QSize CaptionButton::sizeHint() const {
    QStyleOptionButton option;
    initStyleOption(&option);
    const QSize text(captionWidth(), 2 * fontMetrics().lineSpacing());
    return style()->sizeFromContents(QStyle::CT_PushButton, &option, text, this);
}

QSize CaptionButton::minimumSizeHint() const {
    return sizeHint();
}

void CaptionButton::paintEvent(QPaintEvent*) {
    QStylePainter painter(this);
    QStyleOptionButton option;
    initStyleOption(&option);
    const QString caption = option.text;
    option.text.clear();
    painter.drawControl(QStyle::CE_PushButton, option);
    const QRect area = style()->subElementRect(QStyle::SE_PushButtonContents, &option, this);
    painter.setPen(
        palette().color(isEnabled() ? QPalette::Active : QPalette::Disabled, QPalette::ButtonText));
    painter.drawText(area, Qt::AlignCenter | Qt::TextWordWrap, caption);
}

}  // namespace velmora::ui
