// The pencil-mark editor's text box (tbGridEntry): one line, laid over a grid cell while the user
// edits that cell's pencil marks. Enter and Escape are handed to the editor. When the focus is
// about to leave for another control of the window, the box asks `validate` first and keeps the
// focus when the answer is no; once the focus has gone, the box hides.
#pragma once

#include <QLineEdit>
#include <functional>

namespace velmora::ui {

class PencilMarkBox : public QLineEdit {
    Q_OBJECT
  public:
    explicit PencilMarkBox(QWidget* parent = nullptr);

    std::function<bool()> validate;

  signals:
    void enterPressed();
    void escapePressed();

  protected:
    void keyPressEvent(QKeyEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;

  private:
    bool validating_ = false;
};

}  // namespace velmora::ui
