// The tests' one workbench fixture: a Workbench of a chosen box shape whose window ports record
// what they are told, puzzles typed as strings, save files in a folder of their own, and
// (DrawnBench) the grid drawn by the real GridControl on a fake surface. Also the sample puzzle
// files and independent checks of a grid.
#pragma once

#include <cstdint>
#include <filesystem>
#include <map>
#include <memory>
#include <string>
#include <utility>
#include <vector>

#include "commands/workbench.h"
#include "display/grid_control.h"
#include "model/quiet_ports.h"

namespace velmora::test {

// Keeps every text in the order it was set, as well as the panels as they stand.
class RecordingStatusBar : public QuietStatusBar {
  public:
    void setPanelText(Panel panel, const std::string& text) override {
        events.emplace_back(panel, text);
        QuietStatusBar::setPanelText(panel, text);
    }
    // The texts `panel` was given, oldest first.
    std::vector<std::string> history(Panel panel) const;

    std::vector<std::pair<Panel, std::string>> events;
};

// Questions get `answer`; every information box is kept in `shown`.
class RecordingMessages : public QuietMessages {
  public:
    void information(const std::string& text) override {
        QuietMessages::information(text);
        shown.push_back(text);
    }
    std::vector<std::string> shown;
};

class CountingGridView : public QuietGridView {
  public:
    void bUnloadGrid() override { ++redraws; }
    int redraws = 0;
};

class RecordingControls : public NamedControls {
  public:
    void setCaption(std::string_view control, const std::string& text) override {
        captions[std::string(control)] = text;
    }
    void setToolTip(std::string_view control, const std::string& text) override {
        toolTips[std::string(control)] = text;
    }
    std::map<std::string, std::string> captions;
    std::map<std::string, std::string> toolTips;
};

// The grid widget and statistics panel as plain values: the last layout, every cell's look, the
// cursor, the beeps and the counts.
class FakeSurface : public GridSurface, public StatisticsView {
  public:
    void showLayout(const GridLayout& l) override {
        layout = l;
        cells.assign(static_cast<std::size_t>(l.shape.cellCount()), CellView{});
    }
    void showCells(std::span<const CellView> c) override {
        cells.assign(c.begin(), c.end());
        ++draws;
    }
    GridCursor cursor() const override { return at; }
    void setCursor(GridCursor c) override { at = c; }
    void beep() override { ++beeps; }
    bool countsShown() const override { return statisticsShown; }
    void showCounts(const EliminationCounts& c) override { counts = c; }

    const CellView& cell(int r, int c) const {
        return cells.at(static_cast<std::size_t>(r * layout.shape.n() + c));
    }

    GridLayout layout;
    std::vector<CellView> cells;
    GridCursor at;
    int draws = 0;
    int beeps = 0;
    bool statisticsShown = false;
    EliminationCounts counts;
};

// A fresh folder under the system's temporary folder, removed with everything in it.
class TempFolder {
  public:
    TempFolder();
    ~TempFolder();
    TempFolder(const TempFolder&) = delete;
    TempFolder& operator=(const TempFolder&) = delete;
    const std::filesystem::path& path() const { return path_; }

  private:
    std::filesystem::path path_;
};

// The date and time every bench writes into its save files.
inline constexpr const char* kFixedTime = "06/12/2026 09:14:03";

struct Bench {
    FixedSettings settings;
    RecordingStatusBar status;
    RecordingMessages messages;
    CountingGridView grid;
    QuietUndoButtons undo;
    RecordingControls controls;
    QuietFileDialogs dialogs;
    std::unique_ptr<Workbench> wb;

    // Starts as the window does, with the box shape rows x cols selected.
    explicit Bench(int boxRows = 3, int boxCols = 3, std::uint64_t seed = 1)
        : Bench(boxRows, boxCols, seed, nullptr) {}
    Bench(const Bench&) = delete;
    Bench& operator=(const Bench&) = delete;

    PuzzleControl& pc() { return wb->pc(); }
    scells& cells() { return wb->theCells(); }
    scell& cell(int r, int c) { return cells().getCell(r, c); }
    FormControl& history() { return wb->fControl(); }
    int n() const { return wb->pc().nDim; }
    // Rebuilds the grid and enters `puzzle` (one character a cell, '.' empty) as givens.
    void enterGivens(const std::string& puzzle);
    // The grid as a puzzle string ('.' for open cells).
    std::string gridText();
    // The values of the grid row by row, 0 for an open cell; with givensOnly, of the givens only.
    std::vector<int> values(bool givensOnly = false);

    // Save files live in "saved" of a temporary program folder, made on first use.
    std::filesystem::path savedFolder();
    void save(const std::string& name);
    void load(const std::string& name);
    // Loads the file `name` that `other` saved.
    void loadFrom(Bench& other, const std::string& name);

  protected:
    // With `drawn`, the grid view is that control, drawing this bench's workbench.
    Bench(int boxRows, int boxCols, std::uint64_t seed, GridControl* drawn);

  private:
    std::unique_ptr<TempFolder> folder_;
};

// The grid widget stand-in a DrawnBench draws on; a base, so that it exists before the bench.
struct Drawing {
    FakeSurface surface;
    GridControl control{surface, &surface};
};

// A bench whose grid is drawn by the real GridControl, for the display tests.
struct DrawnBench : Drawing, Bench {
    explicit DrawnBench(int boxRows = 3, int boxCols = 3, std::uint64_t seed = 1)
        : Bench(boxRows, boxCols, seed, &control) {}
    // Types each character of `keys` (Latin-1 bytes) at the cursor.
    void type(const std::string& keys);
    // Puts the cursor on (r, c).
    void at(int r, int c) { surface.setCursor({r, c}); }
};

struct SamplePuzzle {
    std::string puzzle;
    std::string solution;
};

// The puzzles of a file in tests/data (lines "puzzle solution", '#' comments skipped).
std::vector<SamplePuzzle> loadSamples(const std::string& fileName);

// True when `text` is a complete grid obeying the rules for a box of rows x cols.
bool isSolution(const std::string& text, int boxRows, int boxCols);

// True when `text` is `prefix` followed by one or more digits and nothing else.
bool isTextAndNumber(const std::string& text, const std::string& prefix);

std::string readBytes(const std::filesystem::path& path);
void writeBytes(const std::filesystem::path& path, const std::string& bytes);
// The path of a file under tests/data.
std::string testData(const std::string& relative);

}  // namespace velmora::test
