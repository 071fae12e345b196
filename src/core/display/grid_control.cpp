#include "display/grid_control.h"

#include <bit>

#include "display/cell_format.h"
#include "display/digit_highlight.h"
#include "display/element_characters.h"
#include "display/elimination_counts.h"
#include "display/highlight_colours.h"
#include "display/key_codes.h"
#include "elimination/candidates.h"
#include "history/form_control.h"
#include "model/latin1.h"
#include "model/module_state.h"
#include "model/puzzle_control.h"
#include "texts/messages.h"
#include "texts/window_texts.h"

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
    if (digit_ > layout_.shape.n()) digit_ = 0;
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
    applyDigitAndNames();
    surface_.showCells(cells_);
    surface_.showCellNames(names_);
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

void GridControl::applyDigitAndNames() {
    const PuzzleControl& p = pc();
    const scells& grid = *p.theCells;
    const int n = grid.dim();
    names_.resize(cells_.size());
    for (std::size_t i = 0; i < cells_.size(); ++i) {
        const scell& s = grid.getcellBigindex(static_cast<int>(i));
        CellView& view = cells_[i];
        CellSpeech speech;
        speech.conflict = s.Invalid && !p.manualPencilMarks;
        // What Explain or Check points at is left as it is.
        const bool explained = !highlight_.empty() && (highlight_.cells[i] != Emphasis::None ||
                                                       view.marked != 0 || view.struck != 0);
        if (!explained)
            speech.highlighted = highlightDigit(view, s.Sure ? s.Trying : 0, digit_, s.evenSquare(),
                                                speech.conflict);
        if (s.Sure) {
            speech.value = view.text;
            speech.given = s.Original && !s.Entered;
        } else {
            speech.candidatesShown = p.Scribbling;
            for (std::uint32_t bits = view.candidates; bits != 0; bits &= bits - 1) {
                const auto k = static_cast<std::size_t>(std::countr_zero(bits));
                if (k < layout_.elements.size()) speech.candidates.push_back(layout_.elements[k]);
            }
        }
        const int b = static_cast<int>(i);
        names_[i] = cellName(b / n, b % n, speech, p.wLanguage);
    }
}

int GridControl::elementOf(int keyAscii) const {
    const PuzzleControl& p = pc();
    return elementOfKey(p.sElements, p.nDim, keyAscii);
}

void GridControl::toggleDigit(int element) {
    digit_ = (element == digit_ || element < 1 || element > pc().nDim) ? 0 : element;
    bUnloadGrid();
}

void GridControl::endDigitHighlight() {
    if (digit_ == 0) return;
    digit_ = 0;
    bUnloadGrid();
}

void GridControl::cellClicked(int row, int col) {
    const PuzzleControl& p = pc();
    if (row < 0 || col < 0 || row >= p.nDim || col >= p.nDim) return;
    const scell& cell = p.theCells->getCell(row, col);
    if (cell.Sure) toggleDigit(cell.Trying);
}

void GridControl::highlightKey(int keyAscii) {
    const int element = elementOf(keyAscii);
    if (element == 0) {
        surface_.beep();
        return;
    }
    toggleDigit(element);
}

void GridControl::highlightCurrentValue() {
    const GridCursor at = surface_.cursor();
    const PuzzleControl& p = pc();
    if (at.row < 0 || at.col < 0 || at.row >= p.nDim || at.col >= p.nDim) return;
    const scell& cell = p.theCells->getCell(at.row, at.col);
    if (cell.Sure) {
        toggleDigit(cell.Trying);
    } else {
        endDigitHighlight();
    }
}

void GridControl::moveCursor(CursorMove move) {
    setatvalidcell();
    const int last = layout_.shape.n() - 1;
    GridCursor at = surface_.cursor();
    switch (move) {
        case CursorMove::Left:
            if (at.col > 0) {
                --at.col;
            } else if (at.row > 0) {
                at = {at.row - 1, last};
            }
            break;
        case CursorMove::Right:
            if (at.col < last) {
                ++at.col;
            } else if (at.row < last) {
                at = {at.row + 1, 0};
            }
            break;
        case CursorMove::Up:
            if (at.row > 0) --at.row;
            break;
        case CursorMove::Down:
            if (at.row < last) ++at.row;
            break;
        case CursorMove::RowStart:
            at.col = 0;
            break;
        case CursorMove::RowEnd:
            at.col = last;
            break;
        case CursorMove::GridStart:
            at = {0, 0};
            break;
        case CursorMove::GridEnd:
            at = {last, last};
            break;
    }
    surface_.setCursor(at);
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
    if (keyAscii == kKeyEscape && digit_ != 0) {
        endDigitHighlight();
        return;
    }
    // While the solution is entered the givens stand: nothing typed changes them.
    const bool locked = !fc_->Initial && cell.Original && cell.Sure;
    const int element = elementOf(keyAscii);
    // A blank of a typed-in puzzle: '.', or a '0' that is no element. Space and Backspace
    // empty the cell and stay.
    const bool blank = element == 0 && (keyAscii == '.' || keyAscii == '0');
    if (keyAscii == kKeyBackspace || keyAscii == kKeySpace || blank) {
        // A blank passes over a given that stands, as one typed over a newspaper grid would.
        if (locked) {
            if (blank) {
                goNextCell(false);
            } else {
                surface_.beep();
            }
            return;
        }
        // A blank over an open cell changes nothing, so it records nothing.
        const bool alreadyOpen = !cell.Sure && (!p.manualPencilMarks || cell.bPoss == 0);
        if (!(blank && alreadyOpen)) {
            cell.scPush();
            cell.Clear();
            refreshAfterEdit();
        }
        if (blank) goNextCell(false);
        return;
    }
    if (element == 0 || locked) {
        surface_.beep();
        return;
    }
    cell.scPush();
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
