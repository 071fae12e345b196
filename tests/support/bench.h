// The tests' one workbench fixture: a Workbench of a chosen box shape whose window ports record
// what they are told, puzzles typed as strings, save files in a folder of their own, and
// (DrawnBench) the grid drawn by the real GridControl on a fake surface. Also the sample puzzle
// files, seeded random grids made from them, and file helpers.
#pragma once

#include <cstdint>
#include <filesystem>
#include <functional>
#include <map>
#include <memory>
#include <random>
#include <string>
#include <tuple>
#include <vector>

#include "commands/save_commands.h"
#include "commands/workbench.h"
#include "display/grid_control.h"
#include "model/quiet_ports.h"

namespace velmora::test {

// Keeps every text in the order it was set, as well as the panels as they stand.
struct RecordingStatusBar : QuietStatusBar {
    void setPanelText(Panel panel, const std::string& text) override {
        events.emplace_back(panel, text);
        QuietStatusBar::setPanelText(panel, text);
    }
    std::vector<std::string> history(Panel panel) const;  // oldest first
    std::vector<std::pair<Panel, std::string>> events;
};

// Questions get `answer`; every information box is kept in `shown`.
struct RecordingMessages : QuietMessages {
    void information(const std::string& text) override {
        QuietMessages::information(text);
        shown.push_back(text);
    }
    std::vector<std::string> shown;
};

struct RecordingControls : NamedControls {
    void setCaption(std::string_view c, const std::string& text) override {
        captions[std::string(c)] = text;
    }
    void setToolTip(std::string_view c, const std::string& text) override {
        toolTips[std::string(c)] = text;
    }
    std::map<std::string, std::string> captions, toolTips;
};

// The grid widget as plain values: the last layout, every cell's look, the cursor, the beeps.
struct FakeSurface : GridSurface {
    void showLayout(const GridLayout& l) override { layout = l; }
    void showCells(std::span<const CellView> c) override {
        cells.assign(c.begin(), c.end());
        if (onDraw) onDraw();
    }
    GridCursor cursor() const override { return at; }
    void setCursor(GridCursor c) override { at = c; }
    void beep() override { ++beeps; }
    const CellView& cell(int r, int c) const {
        return cells.at(static_cast<std::size_t>(r * layout.shape.n() + c));
    }

    GridLayout layout;
    std::vector<CellView> cells;
    GridCursor at;
    int beeps = 0;
    std::function<void()> onDraw;  // runs after every draw
};

// A fresh folder under the system's temporary folder, removed with everything in it.
struct TempFolder {
    TempFolder();
    ~TempFolder();
    TempFolder(const TempFolder&) = delete;
    std::string operator/(const std::string& name) const { return (path / name).string(); }
    std::filesystem::path path;
};

// The date and time every bench writes into its save files.
inline constexpr const char* kFixedTime = "06/12/2026 09:14:03";

struct Bench {
    FixedSettings settings;
    RecordingStatusBar status;
    RecordingMessages messages;
    QuietGridView grid;
    QuietUndoButtons undo;
    RecordingControls controls;
    QuietFileDialogs dialogs;
    TempFolder folder;  // the program's folder; save files go to its "saved"
    std::unique_ptr<Workbench> wb;

    // Starts as the window does, with the box shape rows x cols selected.
    explicit Bench(int boxRows = 3, int boxCols = 3, std::uint64_t seed = 1,
                   GridControl* drawn = nullptr);
    Bench(const Bench&) = delete;
    Bench& operator=(const Bench&) = delete;

    PuzzleControl& pc() { return wb->pc(); }
    scells& cells() { return wb->theCells(); }
    scell& cell(int r, int c) { return cells().getCell(r, c); }
    scell& at(int bigindex) { return cells().getcellBigindex(bigindex); }
    FormControl& history() { return wb->fControl(); }
    int n() const { return wb->pc().nDim; }
    // Rebuilds the grid and enters the values (in the default elements, '.' empty) as givens.
    void enterGivens(const std::string& puzzle);
    void enterGivens(const std::vector<int>& values);
    std::string gridText();  // '.' for open cells
    // The values row by row, 0 for an open cell; with givensOnly, of the givens only.
    std::vector<int> values(bool givensOnly = false);
    // Every cell's value, flags and candidates, row by row.
    std::vector<std::tuple<int, bool, bool, bool, std::uint32_t, int>> states();
    std::filesystem::path savedFolder() const { return folder.path / "saved"; }
    void save(const std::string& name) { fSave(*wb, name); }
    void load(const std::string& name) { fload(*wb, name); }
};

// The grid widget stand-in a DrawnBench draws on; a base, so that it exists before the bench.
struct Drawing {
    FakeSurface surface;
    GridControl control{surface};
};

// A bench whose grid is drawn by the real GridControl.
struct DrawnBench : Drawing, Bench {
    explicit DrawnBench(int boxRows = 3, int boxCols = 3) : Bench(boxRows, boxCols, 1, &control) {}
    // Types each character (Latin-1) at the cursor as the window does: the key, then the
    // outcome display.
    void type(const std::string& keys);
    void moveTo(int r, int c) { surface.setCursor({r, c}); }
};

struct SamplePuzzle {
    std::string puzzle, solution;
};
// The puzzles of a file in tests/data (lines "puzzle solution", '#' comments skipped).
std::vector<SamplePuzzle> loadSamples(const std::string& fileName);
std::string shapeName(BoxShape shape);

// The property tests' random source: seeded, so every failure replays.
using Rng = std::mt19937_64;
inline int below(Rng& rng, int n) {
    return std::uniform_int_distribution<int>(0, n - 1)(rng);
}
inline bool chance(Rng& rng, double p) {
    return std::bernoulli_distribution(p)(rng);
}
// A complete grid of `shape`, values 1..N row by row: a sample solution with its values
// relabelled at random (made without the program's solver).
std::vector<int> randomGrid(BoxShape shape, Rng& rng);
// Element numbers of a puzzle in the default elements, 0 for '.'.
std::vector<int> valuesOf(const std::string& text);

std::string readBytes(const std::filesystem::path& path);
void writeBytes(const std::filesystem::path& path, const std::string& bytes);
std::string testData(const std::string& relative);  // a path under tests/data

}  // namespace velmora::test
