#include "named_controls_port.h"

#include <QAbstractButton>
#include <QAction>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QWidget>

namespace velmora::ui {

namespace {

constexpr const char* kShortcut = "shortcutText";
constexpr const char* kOwnTip = "ownToolTip";

// The tip, then the shortcut in brackets, for a control that has one.
void refreshToolTip(QWidget& w) {
    const QString keys = w.property(kShortcut).toString();
    if (keys.isEmpty()) return;
    QString tip = w.property(kOwnTip).toString();
    if (tip.isEmpty()) {
        if (const auto* b = qobject_cast<const QAbstractButton*>(&w)) tip = b->text();
    }
    w.setToolTip(tip.isEmpty() ? keys : QString("%1 (%2)").arg(tip, keys));
}

}  // namespace

void showShortcutInToolTip(QWidget& control, const QKeySequence& keys) {
    if (!control.property(kShortcut).isValid()) control.setProperty(kOwnTip, control.toolTip());
    control.setProperty(kShortcut, keys.toString(QKeySequence::NativeText));
    refreshToolTip(control);
}

void nameLabelledControls(QWidget& window) {
    for (const QLabel* label : window.findChildren<QLabel*>())
        if (QWidget* buddy = label->buddy()) buddy->setAccessibleName(label->text());
}

QObject* NamedControlsPort::find(std::string_view control) const {
    const QString name = QString::fromUtf8(control.data(), static_cast<qsizetype>(control.size()));
    if (name == window_.objectName()) return &window_;
    if (QWidget* w = window_.findChild<QWidget*>(name)) return w;
    return window_.findChild<QAction*>(name);
}

void NamedControlsPort::setCaption(std::string_view control, const std::string& text) {
    QObject* o = find(control);
    if (!o) return;
    const QString t = QString::fromStdString(text);
    if (o == &window_) {
        window_.setWindowTitle(t);
    } else if (auto* a = qobject_cast<QAction*>(o)) {
        a->setText(t);
    } else if (auto* m = qobject_cast<QMenu*>(o)) {
        m->setTitle(t);
    } else if (auto* b = qobject_cast<QAbstractButton*>(o)) {
        b->setText(t);
        refreshToolTip(*b);
    } else if (auto* l = qobject_cast<QLabel*>(o)) {
        l->setText(t);
        if (QWidget* buddy = l->buddy()) buddy->setAccessibleName(t);
    } else if (auto* g = qobject_cast<QGroupBox*>(o)) {
        g->setTitle(t);
    } else if (auto* e = qobject_cast<QLineEdit*>(o)) {
        e->setText(t);
    }
}

void NamedControlsPort::setToolTip(std::string_view control, const std::string& text) {
    auto* w = qobject_cast<QWidget*>(find(control));
    if (!w) return;
    const QString tip = QString::fromStdString(text);
    if (w->property(kShortcut).isValid()) {
        w->setProperty(kOwnTip, tip);
        refreshToolTip(*w);
    } else {
        w->setToolTip(tip);
    }
}

void NamedControlsPort::setAccessibleName(std::string_view control, const std::string& text) {
    if (auto* w = qobject_cast<QWidget*>(find(control)))
        w->setAccessibleName(QString::fromStdString(text));
}

}  // namespace velmora::ui
