// The undo and redo history of hand-made cell changes. Each entry is a copy of one cell as it
// was just before the change; Undo and Redo swap an entry with the cell's current state.
#pragma once

#include <vector>

#include "model/scell.h"

namespace velmora {

class PuzzleControl;
class Workbench;

class FormControl {
  public:
    explicit FormControl(Workbench& module) : module_(&module) {}

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

    int undoCount() const { return static_cast<int>(undoStack_.size()); }
    int redoCount() const { return static_cast<int>(redoStack_.size()); }

    // A stack never holds more entries than a 16-bit count can name; the oldest goes first.
    static constexpr int kMaxEntries = 32767;

  private:
    void addRedoStack(const scell& e);
    static void push(std::vector<scell>& stack, const scell& e);
    // Copies the top entry of `from` into its grid cell, saving the cell's state on `to`.
    void swapTop(std::vector<scell>& from, bool toRedo);

    Workbench* module_;
    std::vector<scell> undoStack_;
    std::vector<scell> redoStack_;
};

}  // namespace velmora
