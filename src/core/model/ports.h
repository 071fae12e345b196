// Everything the core needs from the window, as small abstract interfaces in one place.
//
// The core never includes a toolkit header. The Qt window implements these interfaces; the command
// line and the tests use the plain implementations in quiet_ports.h or fakes of their own.
#pragma once

#include <filesystem>
#include <optional>
#include <span>
#include <string>
#include <string_view>

#include "model/cell_view.h"

namespace velmora {

// The status bar's three panels.
enum class Panel {
    Status = 1,    // what the program is doing, or the outcome of the last command
    Result = 2,    // the result line: ready, a puzzle found, a solved grid
    Progress = 3,  // progress, and whose turn it is
};

class StatusBar {
  public:
    virtual ~StatusBar() = default;
    virtual void setPanelText(Panel panel, const std::string& text) = 0;
};

// Modal message boxes. Texts are UTF-8; the window titles them with the program's title.
class MessageBoxes {
  public:
    virtual ~MessageBoxes() = default;
    // An information box with one OK button.
    virtual void information(const std::string& text) = 0;
    // A Yes/No question with the question icon; true when the answer is Yes.
    virtual bool question(const std::string& text) = 0;
};

// The widget that shows the grid: told the layout, then every cell's look.
class GridSurface {
  public:
    virtual ~GridSurface() = default;
    virtual void showLayout(const GridLayout& layout) = 0;
    // Every cell, row by row.
    virtual void showCells(std::span<const CellView> cells) = 0;
    // The entry cursor, which the widget also moves by itself (arrow keys, clicks).
    virtual GridCursor cursor() const = 0;
    virtual void setCursor(GridCursor cursor) = 0;
    // The system's sound signal for a key that is no element.
    virtual void beep() = 0;
    // What each cell says to assistive technology (UTF-8), row by row; after every showCells.
    virtual void showCellNames(std::span<const std::string> /*names*/) {}
};

// The statistics panel below the grid.
class StatisticsView {
  public:
    virtual ~StatisticsView() = default;
    // The statistics box (cbElimstats) is ticked.
    virtual bool countsShown() const = 0;
    virtual void showCounts(const EliminationCounts& counts) = 0;
};

// The view of the grid as the model's commands reach it; the display layer implements it over a
// GridSurface.
class GridView {
  public:
    virtual ~GridView() = default;
    // Lay the grid out again for the current size.
    virtual void refreshEntrygrid() = 0;
    // Write the whole model into the grid (validation, every cell, counts, the solved check).
    virtual void bUnloadGrid() = 0;
    // Make (row, column) the grid's current cell.
    virtual void setCursor(int row, int col) = 0;
    // The sound signal for something the grid refuses.
    virtual void beep() = 0;
    // Makes cells and candidates stand out until the grid next changes.
    virtual void setHighlight(GridHighlight highlight) = 0;
};

// The panel beside the grid where explanations and check reports appear.
class ExplanationPanel {
  public:
    virtual ~ExplanationPanel() = default;
    virtual void showExplanation(const std::string& text) = 0;
};

// The four buttons that mark the phase of work; one of them is highlighted at a time.
enum class Phase { Generate, EnterInitial, EnterSolution, Solve };

// What loading a save file shows in the window: the size option, the language list's entry and
// the four option boxes. ckbExperimental means "simple elimination only", so it is ticked exactly
// when the file's Experimental flag is off.
struct LoadedOptions {
    int sizeOption = 0;
    int language = 0;
    bool simpleEliminationOnly = false;  // ckbExperimental
    bool bruteForce = false;             // ckbTrial
    bool showPencilMarks = false;        // ckbScribbleArea
    bool manualPencilMarks = false;      // ckbmanualpencilmarks
};

// The window's options that the model reads, and the few controls it writes.
class WindowSettings {
  public:
    virtual ~WindowSettings() = default;
    // Index 0..9 of the selected size option, or -1 when none is selected.
    virtual int selectedSizeOption() const = 0;
    // "Show Pencil Marks" (ckbScribbleArea) is ticked.
    virtual bool showPencilMarks() const = 0;
    // The five subset switches: 0 Singles, 1 Pairs, 2 Triplets, 3 Quads, 4 More.
    virtual bool subsetSwitch(int k) const = 0;
    // The box-line switch ("Grabs") and the hidden-pair switch ("Hidden Pairs").
    virtual bool grabsSwitch() const = 0;
    virtual bool hiddenPairsSwitch() const = 0;
    // The brute-force box (ckbTrial) is ticked.
    virtual bool bruteForce() const = 0;
    // The difficulty slider (hsDifficulty), 0..100.
    virtual int difficulty() const = 0;
    // Shows the element characters (UTF-8) in the element-characters box (tbSelements).
    virtual void setElementsText(const std::string& text) = 0;
    // Moves the phase highlight (light red) to the button of `phase`.
    virtual void highlightPhase(Phase phase) = 0;
    // Ticks or clears the "Show Pencil Marks" box; a change runs the box's handler, as a click.
    virtual void setShowPencilMarks(bool ticked) = 0;
    // Enables or disables the "Show Pencil Marks" box (disabled while marks are manual).
    virtual void setShowPencilMarksEnabled(bool enabled) = 0;
    // Ticks or clears the "Manual Pencil marks" box without running its handler.
    virtual void showManualPencilMarks(bool ticked) = 0;
    // Selects size option `index` without running its handler.
    virtual void showSizeOption(int index) = 0;
    // Shows a loaded file's options. Their handlers see Loading and skip their rebuilding; later
    // reads (selectedSizeOption, bruteForce, ...) must return what was shown here.
    virtual void showLoadedOptions(const LoadedOptions&) {}
};

// The Undo and Redo buttons' enabled state.
class UndoButtons {
  public:
    virtual ~UndoButtons() = default;
    virtual void setUndoEnabled(bool enabled) = 0;
    virtual void setRedoEnabled(bool enabled) = 0;
};

// Captions and tool tips of the window's controls, addressed by control name ("cbGenerate",
// "lbDifficulty", ...); the window title is the control "xSMainForm".
class NamedControls {
  public:
    virtual ~NamedControls() = default;
    virtual void setCaption(std::string_view control, const std::string& text) = 0;
    virtual void setToolTip(std::string_view control, const std::string& text) = 0;
    // The name assistive technology reads for a control that shows no caption of its own.
    virtual void setAccessibleName(std::string_view /*control*/, const std::string& /*text*/) {}
};

// How a save or open dialog is to look.
struct FileDialogRequest {
    std::string title;                    // "Save Current Puzzle" or "Load a saved Puzzle"
    std::string filter;                   // display text, then pattern, for each entry
    std::string defaultExtension;         // "svl"
    std::filesystem::path initialFolder;  // the program's folder, then "saved"
    bool confirmOverwrite = false;        // save only: ask before replacing; no read-only box
};

// The file dialogs and the program's folder that saving and loading need.
class FileDialogs {
  public:
    virtual ~FileDialogs() = default;
    // The folder that holds the program's data; saved puzzles live in its folder "saved".
    virtual std::filesystem::path programFolder() const = 0;
    // The chosen full path, or nothing when the user cancelled.
    virtual std::optional<std::filesystem::path> saveFileName(const FileDialogRequest& request) = 0;
    virtual std::optional<std::filesystem::path> openFileName(const FileDialogRequest& request) = 0;
};

// Everything the core may call outside itself. A null pointer means "nobody listens": the
// module substitutes a quiet implementation, so the core never tests for null.
struct Ports {
    StatusBar* statusBar = nullptr;
    MessageBoxes* messages = nullptr;
    GridView* gridView = nullptr;
    WindowSettings* settings = nullptr;
    UndoButtons* undoButtons = nullptr;
    NamedControls* controls = nullptr;
    FileDialogs* fileDialogs = nullptr;
    ExplanationPanel* explanation = nullptr;
};

}  // namespace velmora
