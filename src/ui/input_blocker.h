// Swallows clicks and keys aimed at one window while it is active, so that input given while a
// long command runs starts nothing once the command returns. Other windows (message boxes)
// still get their input.
#pragma once

#include <QObject>

class QWidget;

namespace velmora::ui {

class InputBlocker : public QObject {
    Q_OBJECT
  public:
    explicit InputBlocker(QWidget* window);
    ~InputBlocker() override;

    void setActive(bool active);
    bool active() const { return active_; }

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    QWidget* window_;
    bool active_ = false;
};

}  // namespace velmora::ui
