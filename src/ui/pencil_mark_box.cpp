#include "pencil_mark_box.h"

#include <QFocusEvent>
#include <QKeyEvent>

namespace velmora::ui {

PencilMarkBox::PencilMarkBox(QWidget* parent) : QLineEdit(parent) {
    setObjectName("tbGridEntry");
    // The cell's own shade shows through; a frame would not fit the smallest cells.
    setFrame(false);
    setTextMargins(1, 0, 1, 0);
    // At the top and in the middle, where the cell shows its candidate list.
    setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    hide();
}

void PencilMarkBox::keyPressEvent(QKeyEvent* event) {
    switch (event->key()) {
        case Qt::Key_Return:
        case Qt::Key_Enter:
            event->accept();
            emit enterPressed();
            return;
        case Qt::Key_Escape:
            event->accept();
            emit escapePressed();
            return;
        default:
            QLineEdit::keyPressEvent(event);
    }
}

void PencilMarkBox::focusOutEvent(QFocusEvent* event) {
    QLineEdit::focusOutEvent(event);
    // Another window, a message box or a menu took the focus: it has not moved to another
    // control, and comes back here.
    const Qt::FocusReason reason = event->reason();
    if (reason == Qt::ActiveWindowFocusReason || reason == Qt::PopupFocusReason) return;
    if (!isVisible() || validating_) return;
    validating_ = true;
    const bool accepted = !validate || validate();
    validating_ = false;
    if (!accepted) {
        setFocus(Qt::OtherFocusReason);
        return;
    }
    hide();
}

}  // namespace velmora::ui
