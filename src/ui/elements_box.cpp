#include "elements_box.h"

#include <QFocusEvent>

namespace velmora::ui {

ElementsBox::ElementsBox(QWidget* parent) : QLineEdit(parent) {
    setObjectName("tbSelements");
}

void ElementsBox::focusOutEvent(QFocusEvent* event) {
    QLineEdit::focusOutEvent(event);
    // Switching windows or opening a menu does not leave the box for another control.
    const Qt::FocusReason r = event->reason();
    if (r != Qt::ActiveWindowFocusReason && r != Qt::PopupFocusReason) emit left();
}

}  // namespace velmora::ui
