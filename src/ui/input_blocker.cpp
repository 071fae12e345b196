#include "input_blocker.h"

#include <QCoreApplication>
#include <QEvent>
#include <QWidget>

namespace velmora::ui {

namespace {

bool isInput(QEvent::Type t) {
    switch (t) {
        case QEvent::MouseButtonPress:
        case QEvent::MouseButtonRelease:
        case QEvent::MouseButtonDblClick:
        case QEvent::KeyPress:
        case QEvent::KeyRelease:
        case QEvent::ShortcutOverride:
        case QEvent::Shortcut:
        case QEvent::Wheel:
        case QEvent::TouchBegin:
        case QEvent::TouchUpdate:
        case QEvent::TouchEnd:
            return true;
        default:
            return false;
    }
}

}  // namespace

InputBlocker::InputBlocker(QWidget* window) : QObject(window), window_(window) {}

InputBlocker::~InputBlocker() {
    setActive(false);
}

void InputBlocker::setActive(bool active) {
    if (active == active_) return;
    active_ = active;
    if (active) {
        QCoreApplication::instance()->installEventFilter(this);
    } else {
        QCoreApplication::instance()->removeEventFilter(this);
    }
}

bool InputBlocker::eventFilter(QObject* watched, QEvent* event) {
    if (!isInput(event->type())) return false;
    const auto* w = qobject_cast<const QWidget*>(watched);
    return w && w->window() == window_;
}

}  // namespace velmora::ui
