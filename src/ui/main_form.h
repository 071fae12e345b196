// The main window (xSMainForm): the puzzle grid on the left, the command column on the right,
// the statistics panel and the language list below the grid, the status bar at the bottom.
// It owns the workbench and the real implementations of the core's ports.
#pragma once

#include <QMainWindow>
#include <cstdint>
#include <functional>
#include <memory>

#include "model/random.h"

class QComboBox;
class QLabel;

namespace velmora {
class GridControl;
class Workbench;
}  // namespace velmora

namespace velmora::ui {

class CommandColumn;
class EntryGrid;
class ExplanationBox;
class InputBlocker;
class MessageBoxPort;
class NamedControlsPort;
class PencilMarkBox;
class PencilMarkEditor;
class QtFileDialogs;
class StatisticsPanel;
class StatusPanels;
class UndoButtonsPort;
class WindowSettingsPort;

class MainForm : public QMainWindow {
    Q_OBJECT
  public:
    explicit MainForm(std::uint64_t seed = Random::clockSeed(), QWidget* parent = nullptr);
    ~MainForm() override;

    Workbench& workbench() { return *wb_; }
    GridControl& gridControl() { return *gridControl_; }
    EntryGrid& entryGrid() { return *entryGrid_; }
    StatusPanels& statusPanels() { return *statusPanels_; }
    MessageBoxPort& messageBoxes() { return *messages_; }
    CommandColumn& commands() { return *column_; }
    StatisticsPanel& statistics() { return *statistics_; }
    QComboBox& languageList() { return *cmbLanguage_; }
    PencilMarkBox& pencilMarkBox() { return *tbGridEntry_; }
    PencilMarkEditor& pencilMarkEditor() { return *pencilMarkEditor_; }
    QtFileDialogs& fileDialogs() { return *fileDialogs_; }
    ExplanationBox& explanation() { return *explanation_; }

    // True while Solve or Generate runs.
    bool busy() const { return busy_; }
    // A command may run: nothing long is under way and no pencil-mark editor holds the focus.
    bool ready() const;

    // Opens a file as Load does (a save file or any exchange format).
    bool openFile(const QString& path);
    // Paste: the clipboard's text as a new puzzle. Copy: the puzzle onto the clipboard.
    void pastePuzzle();
    void copyPuzzle();

    // The clipboard's second text: the pencil-mark grid of what the window shows.
    static constexpr const char* kPencilMarksMime = "text/x-sudoku-pencil-marks";

  protected:
    void dragEnterEvent(QDragEnterEvent* event) override;
    void dropEvent(QDropEvent* event) override;

  private:
    void buildWidgets();
    void connectHandlers();
    void Form_Load();
    // Runs a long command: input aimed at the window meanwhile is dropped.
    void runBusy(const std::function<void()>& command);

    void EntryGrid_KeyPress(int keyAscii);
    void cbGenerate_Click();
    void cbSolve_Click();
    void optSize_Click(int index);
    void tbSelements_Validate();
    void cbSave_Click();
    void cbLoad_Click();
    void cbPrint_Click();
    void cbBook_Click();
    void cbExit_Click();

    CommandColumn* column_ = nullptr;
    StatisticsPanel* statistics_ = nullptr;
    EntryGrid* entryGrid_ = nullptr;
    ExplanationBox* explanation_ = nullptr;
    PencilMarkBox* tbGridEntry_ = nullptr;
    QLabel* lblanguage_ = nullptr;
    QComboBox* cmbLanguage_ = nullptr;
    StatusPanels* statusPanels_ = nullptr;
    InputBlocker* blocker_ = nullptr;
    bool busy_ = false;

    std::unique_ptr<MessageBoxPort> messages_;
    std::unique_ptr<WindowSettingsPort> settings_;
    std::unique_ptr<UndoButtonsPort> undoButtons_;
    std::unique_ptr<NamedControlsPort> controls_;
    std::unique_ptr<QtFileDialogs> fileDialogs_;
    std::unique_ptr<GridControl> gridControl_;
    std::unique_ptr<Workbench> wb_;
    std::unique_ptr<PencilMarkEditor> pencilMarkEditor_;
};

}  // namespace velmora::ui
