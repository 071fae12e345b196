#include "explanation_box.h"

namespace velmora::ui {

ExplanationBox::ExplanationBox(QWidget* parent) : QLabel(parent) {
    setObjectName("tbExplanation");
    setWordWrap(true);
    setTextFormat(Qt::PlainText);
    setAlignment(Qt::AlignLeft | Qt::AlignTop);
    setFrameShape(QFrame::StyledPanel);
    setMargin(4);
    setTextInteractionFlags(Qt::TextSelectableByMouse);
    // Room for a long sentence, so the layout does not move as texts come and go.
    setMinimumHeight(4 * fontMetrics().lineSpacing() + 10);
}

void ExplanationBox::showExplanation(const std::string& text) {
    setText(QString::fromStdString(text));
    emit textShown();
    repaint();
}

}  // namespace velmora::ui
