#include "display/grid_control.h"

#include "display/cell_format.h"
#include "display/elimination_counts.h"
#include "display/highlight_colours.h"
#include "display/key_codes.h"
#include "elimination/candidates.h"
#include "history/form_control.h"
#include "model/latin1.h"
#include "model/module_state.h"
#include "model/puzzle_control.h"
#include "texts/messages.h"

namespace velmora {

GridControl::GridControl(GridSurface& surface, StatisticsView* stats)
    : surface_(surface), stats_(stats) {}

void GridControl::init(FormControl& fc) {
    fc_ = &fc;
}

PuzzleControl& GridControl::pc() const {
    return *fc_->pControl;
}

void GridControl::refreshEntrygrid() {
    const PuzzleControl& p = pc();
    GridLayout layout;
    layout.shape = BoxShape{p.nRows, p.nCols};
    layout.cellPoints = p.cFontSize * 1.6;
    for (const char c : p.sElements)
        layout.elements.push_back(latin1ToUtf8(std::string_view(&c, 1)));
    layout_ = std::move(layout);
    surface_.showLayout(layout_);
    surface_.setCursor({0, 0});
}

void GridControl::bUnloadGrid() {
    PuzzleControl& p = pc();
    scells& grid = *p.theCells;
    grid.Validate();
    // The layout follows the model's size, whoever changed it.
    if (layout_.shape.n() != grid.dim()) refreshEntrygrid();
    const GridCursor cursor = surface_.cursor();
    cells_.clear();
    cells_.reserve(static_cast<std::size_t>(grid.cellCount()));
    for (const scell& s : grid.cells())
        cells_.push_back(cellView(s, p));
    applyHighlight();
    surface_.showCells(cells_);
    surface_.setCursor(cursor);
    if (stats_ && stats_->countsShown())
        stats_->showCounts(eliminationCounts(*p.module, *p.sBlock));
    announceSolved();
}

void GridControl::announceSolved() {
    PuzzleControl& p = pc();
    const scells& grid = *p.theCells;
    const bool solved = grid.isSolved();
    StatusBar& bar = p.module->statusBar();
    if (solved) {
        bar.setPanelText(Panel::Result, getMessage(MessageId::SolvedWellDone, p.wLanguage));
    } else if (announcedSolved_) {
        bar.setPanelText(Panel::Result, getMessage(MessageId::Ready, p.wLanguage));
    }
    announcedSolved_ = solved;
}

void GridControl::setCursor(int row, int col) {
    surface_.setCursor({row, col});
}

void GridControl::beep() {
    surface_.beep();
}

void GridControl::setHighlight(GridHighlight highlight) {
    highlight_ = std::move(highlight);
    highlightedGrid_ = pc().theCells->fingerprint();
    bUnloadGrid();
}

void GridControl::applyHighlight() {
    if (highlight_.empty()) return;
    const PuzzleControl& p = pc();
    // What was pointed at belongs to the grid it was shown on; any change ends it, with its words.
    if (highlight_.cells.size() != cells_.size() || p.theCells->fingerprint() != highlightedGrid_) {
        highlight_ = {};
        p.module->explanation().showExplanation({});
        return;
    }
    const scells& grid = *p.theCells;
    for (std::size_t i = 0; i < cells_.size(); ++i) {
        const bool even = grid.getcellBigindex(static_cast<int>(i)).evenSquare();
        highlightCell(cells_[i], highlight_.cells[i], even);
        CellView& view = cells_[i];
        view.marked = highlight_.marked[i] & view.candidates;
        view.struck = highlight_.struck[i] & view.candidates;
    }
}

void GridControl::loadKeypress(int keyAscii) {
    PuzzleControl& p = pc();
    setatvalidcell();
    const GridCursor at = surface_.cursor();
    if (at.row < 0 || at.row >= p.nDim || at.col >= p.nDim) return;
    scell& cell = p.theCells->getCell(at.row, at.col);

    if (keyAscii == kKeyEnter) {
        goNextCell(true);
        return;
    }
    // While the solution is entered the givens stand: nothing typed changes them.
    const bool locked = !fc_->Initial && cell.Original && cell.Sure;
    if (keyAscii == kKeyBackspace || keyAscii == kKeySpace) {
        if (locked) {
            surface_.beep();
            return;
        }
        cell.scPush();
        cell.Clear();
        refreshAfterEdit();
        return;
    }
    // Codes up to 0xFF are the Latin-1 characters the element string is made of.
    const char typed = upperLatin1(static_cast<char>(static_cast<unsigned char>(keyAscii)));
    const std::size_t p0 =
        (keyAscii > 0 && keyAscii <= 0xFF) ? p.sElements.find(typed) : std::string::npos;
    if (p0 == std::string::npos || locked) {
        surface_.beep();
        return;
    }
    cell.scPush();
    const int element = static_cast<int>(p0) + 1;
    if (fc_->Initial) {
        cell.putOriginal(element);
    } else {
        cell.putEntered(element);
    }
    refreshAfterEdit();
    goNextCell(false);
}

void GridControl::setatvalidcell() {
    GridCursor at = surface_.cursor();
    if (at.row < 0) {
        goNextRow();
        at = surface_.cursor();
    }
    // A grid without a current cell has no column either.
    if (at.col < 0) surface_.setCursor({at.row, 0});
}

void GridControl::goNextRow() {
    const GridCursor at = surface_.cursor();
    if (at.row < layout_.shape.n() - 1) surface_.setCursor({at.row + 1, at.col});
}

void GridControl::goNextCol() {
    const GridCursor at = surface_.cursor();
    if (at.col < layout_.shape.n() - 1) {
        surface_.setCursor({at.row, at.col + 1});
    } else {
        goNextRow();
        surface_.setCursor({surface_.cursor().row, 0});
    }
}

void GridControl::goNextCell(bool byRow) {
    if (byRow) {
        goNextRow();
        surface_.setCursor({surface_.cursor().row, 0});
    } else {
        goNextCol();
    }
}

void GridControl::refreshAfterEdit() {
    // Every cell is written again: a value can leave another cell without candidates (red) or end
    // a conflict (violet) anywhere in the grid.
    resetPossibilities(*pc().theCells);
    bUnloadGrid();
}

}  // namespace velmora
