// The form controller: the undo and redo history of hand-made cell changes, the Save and Load
// commands and the language of the window's texts. Each history entry is a copy of one cell as
// it was just before the change; Undo and Redo swap an entry with the cell's current state.
#pragma once

#include <functional>
#include <string>
#include <vector>

#include "model/scell.h"
#include "savefile/file_dialogs.h"
#include "savefile/general_date.h"

namespace velmora {

class PuzzleControl;
class Workbench;

class FormControl {
  public:
    explicit FormControl(Workbench& module) : module_(&module) {}
    FormControl(const FormControl&) = delete;
    FormControl& operator=(const FormControl&) = delete;

    bool Initial = true;   // typed values are givens (true) or solution entries (false)
    bool Loading = false;  // a save file is being read
    PuzzleControl* pControl = nullptr;

    void init();
    void resetUndoStack();
    void greyUndo(bool grey);
    void greyRedo(bool grey);
    void addstack(const scell& e);
    void unDo();
    void reDo();

    // Writes every caption and tool tip for pControl->wLanguage through the window's controls.
    void setLanguage();

    // Save and Load. An empty forcename asks the file dialogs; otherwise the file is
    // "saved/<forcename>" in the program's folder and no dialog is shown.
    void fSave(std::string& forcename);
    void fload(std::string& forcename);

    // The window's file dialogs; until it hands them over, every dialog is cancelled.
    void setFileDialogs(FileDialogs& dialogs) { dialogs_ = &dialogs; }
    FileDialogs& fileDialogs() { return *dialogs_; }
    // The date and time written into save files.
    std::function<std::string()> clock = generalDateNow;

    int undoCount() const { return static_cast<int>(undoStack_.size()); }
    int redoCount() const { return static_cast<int>(redoStack_.size()); }

    // A stack never holds more entries than a 16-bit count can name; the oldest goes first.
    static constexpr int kMaxEntries = 32767;

  private:
    void addRedoStack(const scell& e);
    static void push(std::vector<scell>& stack, const scell& e);
    // Copies the top entry of `from` into its grid cell, saving the cell's state on the other
    // stack; false when the entry has no cell in the current grid (it is dropped).
    bool swapTop(std::vector<scell>& from, bool toRedo);
    // Undo (from the undo stack, toRedo) or Redo: swaps the top entry in, greys the emptied
    // stack's button, recomputes and redraws, and puts the cursor on the restored cell.
    void replayTop(std::vector<scell>& from, bool toRedo);

    Workbench* module_;
    QuietFileDialogs quietDialogs_;
    FileDialogs* dialogs_ = &quietDialogs_;
    std::vector<scell> undoStack_;
    std::vector<scell> redoStack_;
};

}  // namespace velmora
