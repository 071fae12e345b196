// A workbench for the window commands: recording status bar and grid view, a chosen box shape
// and seed, and puzzles read and written as strings.
#pragma once

#include <array>
#include <functional>
#include <memory>
#include <string>
#include <utility>
#include <vector>

#include "model/quiet_ports.h"
#include "model/workbench.h"

namespace velmora::test {

// Keeps every text in the order it was set, and the panels as they stand.
class RecordingStatusBar : public StatusBar {
  public:
    void setPanelText(int panel, const std::string& text) override;
    const std::string& panel(int n) const { return panels.at(static_cast<std::size_t>(n - 1)); }
    // The texts panel n was given, oldest first.
    std::vector<std::string> history(int n) const;

    std::vector<std::pair<int, std::string>> events;
    std::array<std::string, 3> panels;
    // Called with each text before it is stored.
    std::function<void(int, const std::string&)> onText;
};

class CountingGridView : public QuietGridView {
  public:
    void bUnloadGrid() override { ++redraws; }
    int redraws = 0;
};

struct CommandBench {
    FixedSettings settings;
    RecordingStatusBar status;
    QuietMessages messages;
    CountingGridView grid;
    QuietUndoButtons undo;
    std::unique_ptr<Workbench> wb;

    // Builds the first puzzle as the window's start-up does.
    explicit CommandBench(int boxRows = 3, int boxCols = 3, std::uint64_t seed = 1);
    PuzzleControl& pc() { return wb->pc(); }
    scells& cells() { return wb->theCells(); }
    int n() { return wb->pc().nDim; }
    // A new grid holding `puzzle` (element characters, '.' empty) as givens.
    void enterGivens(const std::string& puzzle);
    // The values of the current grid, 0 for an open cell; with givensOnly, of the givens only.
    std::vector<int> values(bool givensOnly = false);
    std::string text();
};

// A progress text "33/28 after 2 attempts", taken apart; false for any other text.
struct Progress {
    int givens = 0;
    int target = 0;
    int attempts = 0;
};
bool readProgress(const std::string& text, Progress& progress);

// True when `text` is `prefix` followed by one or more digits and nothing else.
bool isTextAndNumber(const std::string& text, const std::string& prefix);

}  // namespace velmora::test
