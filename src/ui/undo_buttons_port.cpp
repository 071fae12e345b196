#include "undo_buttons_port.h"

#include <QPushButton>

namespace velmora::ui {

void UndoButtonsPort::setUndoEnabled(bool enabled) {
    undo_->setEnabled(enabled);
}

void UndoButtonsPort::setRedoEnabled(bool enabled) {
    redo_->setEnabled(enabled);
}

}  // namespace velmora::ui
