// The main window (xSMainForm): the menu bar; the puzzle grid on the left with the explanation
// box, the statistics panel and the language list; the command column on the right; the status
// bar at the bottom. It owns the workbench and the real implementations of the core's ports, runs
// the long commands on a worker thread, and keeps the puzzle between runs when told where.
#pragma once

#include <QMainWindow>
#include <atomic>
#include <cstdint>
#include <filesystem>
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

class BackgroundRun;
class CommandColumn;
class EntryGrid;
class ExplanationBox;
class GridArea;
class GuiThreadPorts;
class InputBlocker;
class MessageBoxPort;
class NamedControlsPort;
class PencilMarkBox;
class PencilMarkEditor;
class QtFileDialogs;
class StatisticsPanel;
class StatusPanels;
class UndoButtonsPort;
class WindowMenus;
class WindowSettingsPort;

class MainForm : public QMainWindow {
    Q_OBJECT
  public:
    explicit MainForm(std::uint64_t seed = Random::clockSeed(), QWidget* parent = nullptr);
    ~MainForm() override;

    Workbench& workbench() { return *wb_; }
    GridControl& gridControl() { return *gridControl_; }
    EntryGrid& entryGrid() { return *entryGrid_; }
    GridArea& gridArea() { return *gridArea_; }
    StatusPanels& statusPanels() { return *statusPanels_; }
    MessageBoxPort& messageBoxes() { return *messages_; }
    CommandColumn& commands() { return *column_; }
    StatisticsPanel& statistics() { return *statistics_; }
    QComboBox& languageList() { return *cmbLanguage_; }
    PencilMarkBox& pencilMarkBox() { return *tbGridEntry_; }
    PencilMarkEditor& pencilMarkEditor() { return *pencilMarkEditor_; }
    QtFileDialogs& fileDialogs() { return *fileDialogs_; }
    ExplanationBox& explanation() { return *explanation_; }
    WindowMenus& menus() { return *menus_; }

    // True while Solve or Generate runs.
    bool busy() const { return busy_; }
    // A command may run: nothing long is under way and no pencil-mark editor holds the focus.
    bool ready() const;

    // Opens a file as Load does (a save file or any exchange format).
    bool openFile(const QString& path);
    // Paste: the clipboard's text as a new puzzle. Copy: the puzzle onto the clipboard.
    void pastePuzzle();
    void copyPuzzle();

    // The puzzle is kept in `file` on exit and when the session ends; unset, nothing is kept.
    void keepSessionIn(const std::filesystem::path& file);
    // Brings back the kept puzzle; a missing or damaged file is passed over in silence.
    bool restoreSession();
    // Writes the kept puzzle now (a long command under way is cancelled first); false when it
    // could not be written.
    bool keepSession();
    // The program is ending without the window being closed (the session or the application).
    void sessionEnding();

    // How long a command may take before a box with Cancel appears, in milliseconds.
    void setCancelDelay(int ms) { cancelDelayMs_ = ms; }

    // The clipboard's second text: the pencil-mark grid of what the window shows.
    static constexpr const char* kPencilMarksMime = "text/x-sudoku-pencil-marks";

  public slots:
    // The "Puzzle book..." entry.
    void openPuzzleBook();
    void showKeyboardHelp();
    void showAbout();

  protected:
    void closeEvent(QCloseEvent* event) override;
    void dragEnterEvent(QDragEnterEvent* event) override;
    void dropEvent(QDropEvent* event) override;

  private:
    void buildWidgets();
    void connectHandlers();
    void connectGridKeys();
    void connectMenus();
    void Form_Load();
    // Runs a long command on a worker thread; `cancellable` offers Cancel after a second.
    void runBusy(const std::function<void()>& command, bool cancellable);
    // The grid takes a character typed with Ctrl (highlight) or Alt (pencil mark).
    bool gridClaims(const QKeyEvent& event) const;

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
    GridArea* gridArea_ = nullptr;
    EntryGrid* entryGrid_ = nullptr;
    ExplanationBox* explanation_ = nullptr;
    PencilMarkBox* tbGridEntry_ = nullptr;
    QLabel* lblanguage_ = nullptr;
    QComboBox* cmbLanguage_ = nullptr;
    StatusPanels* statusPanels_ = nullptr;
    InputBlocker* blocker_ = nullptr;
    WindowMenus* menus_ = nullptr;
    bool busy_ = false;
    std::atomic<bool> cancel_{false};
    bool closePending_ = false;
    bool sessionKept_ = false;
    int cancelDelayMs_ = 1000;
    std::filesystem::path sessionFile_;

    std::unique_ptr<MessageBoxPort> messages_;
    std::unique_ptr<WindowSettingsPort> settings_;
    std::unique_ptr<UndoButtonsPort> undoButtons_;
    std::unique_ptr<NamedControlsPort> controls_;
    std::unique_ptr<QtFileDialogs> fileDialogs_;
    std::unique_ptr<GridControl> gridControl_;
    std::unique_ptr<GuiThreadPorts> threadPorts_;
    std::unique_ptr<BackgroundRun> background_;
    std::unique_ptr<Workbench> wb_;
    std::unique_ptr<PencilMarkEditor> pencilMarkEditor_;
};

}  // namespace velmora::ui
