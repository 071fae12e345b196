// The Undo and Redo buttons, enabled exactly while their stacks hold entries.
#pragma once

#include "model/ports.h"

class QPushButton;

namespace velmora::ui {

class UndoButtonsPort : public UndoButtons {
  public:
    UndoButtonsPort(QPushButton* undo, QPushButton* redo) : undo_(undo), redo_(redo) {}

    void setUndoEnabled(bool enabled) override;
    void setRedoEnabled(bool enabled) override;

  private:
    QPushButton* undo_;
    QPushButton* redo_;
};

}  // namespace velmora::ui
