#include "status_panels.h"

#include <QLabel>

namespace velmora::ui {

namespace {

struct PanelDesign {
    int widthTwips;
    const char* text;
    const char* toolTip;
};

// Long messages wrap onto a second line instead of being cut off.
constexpr int kPanelLines = 2;

const std::array<PanelDesign, 3> kPanels{{
    {4048, "Welcome to Sudoku Velmora", "Current puzzle status"},
    {4577, "Please \"generate\" or \"enter  intial\" ", "How Many times"},
    {2540, "Ready to start...", ""},
}};

}  // namespace

StatusPanels::StatusPanels(QWidget* parent) : QStatusBar(parent) {
    setObjectName("sbBar");
    setSizeGripEnabled(false);
    const int lineHeight = fontMetrics().lineSpacing();
    for (std::size_t i = 0; i < panels_.size(); ++i) {
        auto* label = new QLabel(QString::fromUtf8(kPanels[i].text), this);
        label->setObjectName(QString("sbBarPanel%1").arg(i + 1));
        label->setToolTip(QString::fromUtf8(kPanels[i].toolTip));
        label->setTextFormat(Qt::PlainText);
        label->setWordWrap(true);
        label->setFrameShape(QFrame::Panel);
        label->setFrameShadow(QFrame::Sunken);
        label->setFixedHeight(kPanelLines * lineHeight + 2 * label->frameWidth() + 2);
        label->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Fixed);
        addPermanentWidget(label, kPanels[i].widthTwips);
        panels_[i] = label;
    }
}

void StatusPanels::setPanelText(Panel panel, const std::string& text) {
    const int number = static_cast<int>(panel);
    QLabel* label = panels_[static_cast<std::size_t>(number - 1)];
    const QString t = QString::fromStdString(text);
    label->setText(t);
    label->repaint();
    emit panelTextChanged(number, t);
}

QString StatusPanels::panelText(int panel) const {
    const QLabel* label = this->panel(panel);
    return label ? label->text() : QString{};
}

QLabel* StatusPanels::panel(int panel) const {
    if (panel < 1 || panel > 3) return nullptr;
    return panels_[static_cast<std::size_t>(panel - 1)];
}

}  // namespace velmora::ui
