// The window's options as the core reads them, and the few controls it writes: the element
// characters, the phase highlight and the "Show Pencil Marks" box's enabled state.
#pragma once

#include "model/ports.h"

class QComboBox;

namespace velmora::ui {

class CommandColumn;
class StatisticsPanel;

class WindowSettingsPort : public WindowSettings {
  public:
    WindowSettingsPort(CommandColumn& column, StatisticsPanel& statistics, QComboBox& languages)
        : column_(column), statistics_(statistics), languages_(languages) {}

    int selectedSizeOption() const override;
    bool showPencilMarks() const override;
    bool subsetSwitch(int k) const override;
    bool grabsSwitch() const override;
    bool hiddenPairsSwitch() const override;
    bool bruteForce() const override;
    int difficulty() const override;
    void setElementsText(const std::string& text) override;
    void highlightPhase(Phase phase) override;
    void setShowPencilMarks(bool ticked) override;
    void setShowPencilMarksEnabled(bool enabled) override;
    void showManualPencilMarks(bool ticked) override;
    void showSizeOption(int index) override;
    void showLoadedOptions(const LoadedOptions& options) override;

  private:
    CommandColumn& column_;
    StatisticsPanel& statistics_;
    QComboBox& languages_;
};

}  // namespace velmora::ui
