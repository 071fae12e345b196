// Captions, tool tips and accessible names written by control name: the window's children by
// objectName (menus and their entries included), the window's own title under "xSMainForm". A
// label's caption also names the control it labels (its buddy) for assistive technology, and a
// control with a shortcut shows it at the end of its tool tip.
#pragma once

#include <QKeySequence>

#include "model/ports.h"

class QObject;
class QWidget;

namespace velmora::ui {

class NamedControlsPort : public NamedControls {
  public:
    explicit NamedControlsPort(QWidget& window) : window_(window) {}

    void setCaption(std::string_view control, const std::string& text) override;
    void setToolTip(std::string_view control, const std::string& text) override;
    void setAccessibleName(std::string_view control, const std::string& text) override;

  private:
    QObject* find(std::string_view control) const;

    QWidget& window_;
};

// From now on `control`'s tool tip ends with `keys`, its own tip (or, lacking one, its caption)
// before it.
void showShortcutInToolTip(QWidget& control, const QKeySequence& keys);

// Gives every labelled control of `window` its label's caption as its accessible name.
void nameLabelledControls(QWidget& window);

}  // namespace velmora::ui
