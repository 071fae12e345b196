// The element-characters box (tbSelements): reports when the focus leaves it, which is when
// its text is checked.
#pragma once

#include <QLineEdit>

namespace velmora::ui {

class ElementsBox : public QLineEdit {
    Q_OBJECT
  public:
    explicit ElementsBox(QWidget* parent = nullptr);

  signals:
    void left();

  protected:
    void focusOutEvent(QFocusEvent* event) override;
};

}  // namespace velmora::ui
