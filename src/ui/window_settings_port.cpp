#include "window_settings_port.h"

#include <QCheckBox>
#include <QComboBox>
#include <QPushButton>
#include <QRadioButton>
#include <QSignalBlocker>
#include <QSlider>
#include <array>

#include "command_column.h"
#include "elements_box.h"
#include "phase_colours.h"
#include "size_frame.h"
#include "statistics_panel.h"

namespace velmora::ui {

int WindowSettingsPort::selectedSizeOption() const {
    return column_.frsize->selected();
}

bool WindowSettingsPort::showPencilMarks() const {
    return column_.ckbScribbleArea->isChecked();
}

bool WindowSettingsPort::subsetSwitch(int k) const {
    if (k < 0 || k > StatisticsPanel::More) return false;
    return statistics_.techniqueSwitch(static_cast<StatisticsPanel::Technique>(k))->isChecked();
}

bool WindowSettingsPort::grabsSwitch() const {
    return statistics_.techniqueSwitch(StatisticsPanel::Grabs)->isChecked();
}

bool WindowSettingsPort::hiddenPairsSwitch() const {
    return statistics_.techniqueSwitch(StatisticsPanel::HiddenPairs)->isChecked();
}

bool WindowSettingsPort::bruteForce() const {
    return column_.ckbTrial->isChecked();
}

int WindowSettingsPort::difficulty() const {
    return column_.hsDifficulty->value();
}

void WindowSettingsPort::setElementsText(const std::string& text) {
    column_.tbSelements->setText(QString::fromStdString(text));
}

void WindowSettingsPort::highlightPhase(Phase phase) {
    const std::array<std::pair<Phase, QPushButton*>, 4> buttons{{
        {Phase::Generate, column_.cbGenerate},
        {Phase::EnterInitial, column_.cbEnterInitial},
        {Phase::EnterSolution, column_.cbenterSolution},
        {Phase::Solve, column_.cbSolve},
    }};
    for (const auto& [p, button] : buttons) {
        QPalette pal = button->palette();
        pal.setColor(QPalette::Button, p == phase ? phaseHighlightColour() : normalButtonColour());
        button->setPalette(pal);
        // Shown at once: Solve and Generate move the highlight before they keep the loop busy.
        button->repaint();
    }
}

void WindowSettingsPort::setShowPencilMarks(bool ticked) {
    // A change raises toggled, which runs the box's handler.
    column_.ckbScribbleArea->setChecked(ticked);
}

void WindowSettingsPort::setShowPencilMarksEnabled(bool enabled) {
    column_.ckbScribbleArea->setEnabled(enabled);
}

void WindowSettingsPort::showManualPencilMarks(bool ticked) {
    const QSignalBlocker quiet(column_.ckbmanualpencilmarks);
    column_.ckbmanualpencilmarks->setChecked(ticked);
}

void WindowSettingsPort::showSizeOption(int index) {
    if (index < 0 || index >= SizeFrame::kOptions) return;
    const QSignalBlocker quiet(column_.frsize);
    column_.frsize->option(index)->setChecked(true);
}

void WindowSettingsPort::showLoadedOptions(const LoadedOptions& options) {
    if (options.sizeOption >= 0 && options.sizeOption < SizeFrame::kOptions)
        column_.frsize->option(options.sizeOption)->setChecked(true);
    languages_.setCurrentIndex(options.language);
    column_.ckbExperimental->setChecked(options.simpleEliminationOnly);
    column_.ckbTrial->setChecked(options.bruteForce);
    column_.ckbScribbleArea->setChecked(options.showPencilMarks);
    column_.ckbmanualpencilmarks->setChecked(options.manualPencilMarks);
}

}  // namespace velmora::ui
