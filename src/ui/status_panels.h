// The status bar (sbBar) with its three numbered text panels. A panel repaints as soon as its
// text changes, because Solve and Generate keep the event loop waiting until they end.
#pragma once

#include <QStatusBar>
#include <array>

#include "model/ports.h"

class QLabel;

namespace velmora::ui {

class StatusPanels : public QStatusBar, public StatusBar {
    Q_OBJECT
  public:
    explicit StatusPanels(QWidget* parent = nullptr);

    void setPanelText(Panel panel, const std::string& text) override;
    // Panel 1..3.
    QString panelText(int panel) const;
    QLabel* panel(int panel) const;

  signals:
    void panelTextChanged(int panel, const QString& text);

  private:
    std::array<QLabel*, 3> panels_{};
};

}  // namespace velmora::ui
