#include "named_controls_port.h"

#include <QAbstractButton>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QWidget>

namespace velmora::ui {

QWidget* NamedControlsPort::find(std::string_view control) const {
    const QString name = QString::fromUtf8(control.data(), static_cast<qsizetype>(control.size()));
    if (name == window_.objectName()) return &window_;
    return window_.findChild<QWidget*>(name);
}

void NamedControlsPort::setCaption(std::string_view control, const std::string& text) {
    QWidget* w = find(control);
    if (!w) return;
    const QString t = QString::fromStdString(text);
    if (w == &window_) {
        w->setWindowTitle(t);
    } else if (auto* b = qobject_cast<QAbstractButton*>(w)) {
        b->setText(t);
    } else if (auto* l = qobject_cast<QLabel*>(w)) {
        l->setText(t);
    } else if (auto* g = qobject_cast<QGroupBox*>(w)) {
        g->setTitle(t);
    } else if (auto* e = qobject_cast<QLineEdit*>(w)) {
        e->setText(t);
    }
}

void NamedControlsPort::setToolTip(std::string_view control, const std::string& text) {
    if (QWidget* w = find(control)) w->setToolTip(QString::fromStdString(text));
}

}  // namespace velmora::ui
