// Plain implementations of the window interfaces for the command line and the tests: they keep
// what they are told (so a caller can read it back) and show nothing.
#pragma once

#include <array>
#include <string>
#include <utility>

#include "model/ports.h"

namespace velmora {

class QuietStatusBar : public StatusBar {
  public:
    void setPanelText(Panel panel, const std::string& text) override {
        panels[static_cast<std::size_t>(panel) - 1] = text;
    }
    const std::string& panel(Panel p) const { return panels[static_cast<std::size_t>(p) - 1]; }

    std::array<std::string, 3> panels;
};

class QuietMessages : public MessageBoxes {
  public:
    void information(const std::string& text) override { lastInformation = text; }
    bool question(const std::string& text) override {
        lastQuestion = text;
        return answer;
    }

    bool answer = true;
    std::string lastInformation;
    std::string lastQuestion;
};

class QuietGridView : public GridView {
  public:
    void refreshEntrygrid() override {}
    void bUnloadGrid() override {}
    void setCursor(int row, int col) override {
        cursorRow = row;
        cursorCol = col;
    }
    void beep() override { ++beeps; }
    void setHighlight(GridHighlight h) override { highlight = std::move(h); }

    int cursorRow = 0;
    int cursorCol = 0;
    int beeps = 0;
    GridHighlight highlight;
};

// The window's options as plain fields, with the window's start-up values.
class FixedSettings : public WindowSettings {
  public:
    int selectedSizeOption() const override { return sizeOption; }
    bool showPencilMarks() const override { return pencilMarks; }
    bool subsetSwitch(int k) const override {
        return k >= 0 && k < 5 && subsets[static_cast<std::size_t>(k)];
    }
    bool grabsSwitch() const override { return grabs; }
    bool hiddenPairsSwitch() const override { return hiddenPairs; }
    bool bruteForce() const override { return brute; }
    int difficulty() const override { return difficultyValue; }
    void setElementsText(const std::string& text) override { elementsText = text; }
    void highlightPhase(Phase phase) override { highlighted = phase; }
    void setShowPencilMarks(bool ticked) override { pencilMarks = ticked; }
    void setShowPencilMarksEnabled(bool enabled) override { showPencilMarksEnabled = enabled; }
    void showManualPencilMarks(bool ticked) override { manualPencilMarks = ticked; }
    void showSizeOption(int index) override { sizeOption = index; }
    void showLoadedOptions(const LoadedOptions& options) override {
        loaded = options;
        sizeOption = options.sizeOption;
        pencilMarks = options.showPencilMarks;
        brute = options.bruteForce;
    }

    int sizeOption = 0;
    bool pencilMarks = false;
    std::array<bool, 5> subsets{true, true, true, true, true};
    bool grabs = true;
    bool hiddenPairs = true;
    bool brute = false;
    int difficultyValue = 0;
    std::string elementsText;
    Phase highlighted = Phase::Generate;
    bool showPencilMarksEnabled = true;
    bool manualPencilMarks = false;
    LoadedOptions loaded;  // what the last load showed
};

class QuietUndoButtons : public UndoButtons {
  public:
    void setUndoEnabled(bool enabled) override { undoEnabled = enabled; }
    void setRedoEnabled(bool enabled) override { redoEnabled = enabled; }

    bool undoEnabled = false;
    bool redoEnabled = false;
};

class QuietControls : public NamedControls {
  public:
    void setCaption(std::string_view, const std::string&) override {}
    void setToolTip(std::string_view, const std::string&) override {}
};

class QuietExplanation : public ExplanationPanel {
  public:
    void showExplanation(const std::string& t) override { text = t; }
    std::string text;
};

// Answers each dialog with `answer` (nothing = Cancel) and keeps the last request.
class QuietFileDialogs : public FileDialogs {
  public:
    std::filesystem::path programFolder() const override { return folder; }
    std::optional<std::filesystem::path> saveFileName(const FileDialogRequest& request) override {
        lastRequest = request;
        return answer;
    }
    std::optional<std::filesystem::path> openFileName(const FileDialogRequest& request) override {
        lastRequest = request;
        return answer;
    }

    std::filesystem::path folder = ".";
    std::optional<std::filesystem::path> answer;
    FileDialogRequest lastRequest;
};

}  // namespace velmora
