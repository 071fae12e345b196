// A command button whose caption wraps at its blanks onto two lines, as the window's buttons
// always have: every button is as wide as the widest caption of any language needs on two lines,
// so switching the language never changes the layout's widths.
#pragma once

#include <QPushButton>

namespace velmora::ui {

class CaptionButton : public QPushButton {
    Q_OBJECT
  public:
    explicit CaptionButton(const QString& caption, QWidget* parent = nullptr);

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;

  protected:
    void paintEvent(QPaintEvent* event) override;

  private:
    // The width of the text area every caption of every language fits in on two lines.
    int captionWidth() const;
};

}  // namespace velmora::ui
