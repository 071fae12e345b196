// Captions and tool tips written by control name: the window's children by objectName, the
// window's own title under "xSMainForm".
#pragma once

#include "model/ports.h"

class QWidget;

namespace velmora::ui {

class NamedControlsPort : public NamedControls {
  public:
    explicit NamedControlsPort(QWidget& window) : window_(window) {}

    void setCaption(std::string_view control, const std::string& text) override;
    void setToolTip(std::string_view control, const std::string& text) override;

  private:
    QWidget* find(std::string_view control) const;

    QWidget& window_;
};

}  // namespace velmora::ui
