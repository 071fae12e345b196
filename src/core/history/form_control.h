// The form controller: the entry mode, the loading flag and the undo and redo history of
// hand-made cell changes. Each history entry is a copy of one cell as it was just before the
// change; Undo and Redo swap an entry with the cell's current state.
#pragma once

#include <cstdint>
#include <vector>

#include "model/cell_history.h"
#include "model/scell.h"

namespace velmora {

class ModuleState;
class PuzzleControl;

class FormControl : public CellHistory {
  public:
    explicit FormControl(ModuleState& module) : module_(&module) {}
    FormControl(const FormControl&) = delete;
    FormControl& operator=(const FormControl&) = delete;

    bool Initial = true;   // typed values are givens (true) or solution entries (false)
    bool Loading = false;  // a save file is being read
    PuzzleControl* pControl = nullptr;

    void init(PuzzleControl& pc);
    void resetUndoStack();
    void greyUndo(bool grey);
    void greyRedo(bool grey);
    void addstack(const scell& e) override;
    void unDo();
    void reDo();

    // While a group is open every recorded cell belongs to one change, which one Undo takes back
    // whole (a step applied by Explain, a paste). Groups do not nest.
    void beginGroup();
    void endGroup();

    int undoCount() const { return static_cast<int>(undoStack_.size()); }
    int redoCount() const { return static_cast<int>(redoStack_.size()); }

    // A stack never holds more entries than a 16-bit count can name; the oldest goes first.
    static constexpr int kMaxEntries = 32767;

  private:
    // A cell as it was, and the change it belongs to.
    struct Entry {
        scell cell;
        std::uint32_t change = 0;
    };
    void addRedoStack(const scell& e, std::uint32_t change);
    static void push(std::vector<Entry>& stack, Entry e);
    // Copies the top entry of `from` into its grid cell, saving the cell's state on the other
    // stack; false when the entry has no cell in the current grid (it is dropped).
    bool swapTop(std::vector<Entry>& from, bool toRedo);
    // Undo (from the undo stack, toRedo) or Redo: swaps the top change in, greys the emptied
    // stack's button, recomputes and redraws, and puts the cursor on the restored cell.
    void replayTop(std::vector<Entry>& from, bool toRedo);

    ModuleState* module_;
    std::vector<Entry> undoStack_;
    std::vector<Entry> redoStack_;
    std::uint32_t nextChange_ = 1;
    std::uint32_t openChange_ = 0;
};

}  // namespace velmora
