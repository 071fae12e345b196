#include "history/form_control.h"

#include "elimination/candidates.h"
#include "model/module_state.h"
#include "model/puzzle_control.h"

namespace velmora {

void FormControl::init(PuzzleControl& pc) {
    Initial = true;
    Loading = false;
    pControl = &pc;
    undoStack_.clear();
    redoStack_.clear();
    resetUndoStack();
}

void FormControl::resetUndoStack() {
    undoStack_.clear();
    redoStack_.clear();
    greyUndo(true);
    greyRedo(true);
}

void FormControl::greyUndo(bool grey) {
    module_->undoButtons().setUndoEnabled(!grey);
}
void FormControl::greyRedo(bool grey) {
    module_->undoButtons().setRedoEnabled(!grey);
}

void FormControl::beginGroup() {
    openChange_ = nextChange_++;
}

void FormControl::endGroup() {
    openChange_ = 0;
}

void FormControl::push(std::vector<Entry>& stack, Entry e) {
    if (static_cast<int>(stack.size()) >= kMaxEntries) stack.erase(stack.begin());
    stack.push_back(std::move(e));
}

void FormControl::addstack(const scell& e) {
    push(undoStack_, {e, openChange_ != 0 ? openChange_ : nextChange_++});
    greyUndo(false);
}

void FormControl::addRedoStack(const scell& e, std::uint32_t change) {
    push(redoStack_, {e, change});
    greyRedo(false);
}

bool FormControl::swapTop(std::vector<Entry>& from, bool toRedo) {
    const scell entry = from.back().cell;
    const std::uint32_t change = from.back().change;
    scells& grid = *pControl->theCells;
    if (entry.meRow >= grid.dim() || entry.meCol >= grid.dim()) {
        // Recorded on a bigger grid that has since been replaced: it has no cell here.
        from.pop_back();
        return false;
    }
    scell& cell = grid.getCell(entry.meRow, entry.meCol);
    if (toRedo) {
        addRedoStack(cell, change);
    } else {
        push(undoStack_, {cell, change});
        greyUndo(false);
    }
    entry.sCopy(cell);
    // The entry may come from an earlier grid object; the cell belongs to this one.
    cell.meGrid = &grid;
    from.pop_back();
    return true;
}

void FormControl::unDo() {
    replayTop(undoStack_, true);
}

void FormControl::reDo() {
    replayTop(redoStack_, false);
}

void FormControl::replayTop(std::vector<Entry>& from, bool toRedo) {
    if (from.empty()) return;
    const std::uint32_t change = from.back().change;
    scell entry;
    bool restored = false;
    // The cells of one change go back together, the last recorded first.
    while (!from.empty() && from.back().change == change) {
        entry = from.back().cell;
        restored = swapTop(from, toRedo) || restored;
    }
    if (from.empty()) toRedo ? greyUndo(true) : greyRedo(true);
    resetPossibilities(*pControl->theCells);
    module_->gridView().bUnloadGrid();
    if (restored) module_->gridView().setCursor(entry.meRow, entry.meCol);
}

}  // namespace velmora
