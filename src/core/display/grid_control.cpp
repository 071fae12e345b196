#include "display/grid_control.h"

#include <algorithm>

#include "display/grid_geometry.h"
#include "display/key_codes.h"
#include "history/form_control.h"
#include "model/workbench.h"
#include "texts/messages.h"

namespace velmora {

namespace {

// The message that a full grid shows in panel 2.
constexpr int kSolvedWellDone = 21;

char upperAscii(int code) {
    const auto ch = static_cast<char>(code);
    return (ch >= 'a' && ch <= 'z') ? static_cast<char>(ch - 'a' + 'A') : ch;
}

}  // namespace

GridControl::GridControl(GridSurface& surface, StatisticsView* stats)
    : surface_(surface), stats_(stats) {}

void GridControl::init(Workbench& wb) {
    wb_ = &wb;
}

void GridControl::refreshEntrygrid() {
    const PuzzleControl& pc = wb_->pc();
    surface_.setRedraw(false);
    surface_.clearCells();
    const int rows = pc.nRows * pc.nRowsofBoxes;
    const int cols = pc.nCols * pc.nColsofBoxes;
    surface_.setDimensions(rows, cols);
    const GridGeometry g =
        entryGridGeometry(pc.cFontSize, rows, cols, surface_.dpiX(), surface_.dpiY());
    if (surface_.cellAreaWidth() != g.width || surface_.cellAreaHeight() != g.height)
        surface_.setCellAreaSize(g.width, g.height);
    for (int c = 0; c < cols; ++c)
        if (surface_.columnWidth(c) != g.cellWidth) surface_.setColumnWidth(c, g.cellWidth);
    for (int r = 0; r < rows; ++r)
        if (surface_.rowHeight(r) != g.cellHeight) surface_.setRowHeight(r, g.cellHeight);
    surface_.setCurrentCell(0, 0);
    surface_.setRedraw(true);
}

void GridControl::setCellWhatever(const scell& s) {
    const CellFormat f = cellFormat(s, wb_->pc());
    setCellBackColor(f.back);
    setCellAlignment(f.alignment);
    setCellWordWrap(f.wordWrap);
    setCellFontSize(f.fontSize);
    setCellFontName(f.fontName);
    setCellForeColor(f.fore);
}

void GridControl::bUnloadGrid() {
    const PuzzleControl& pc = wb_->pc();
    scells& grid = *pc.theCells;
    grid.Validate();
    // A grid laid out for another size than the model's is drawn as far as both reach.
    const int rows = std::min<int>(pc.nDim, surface_.rowCount());
    const int cols = std::min<int>(pc.nDim, surface_.columnCount());
    surface_.setRedraw(false);
    const int row = surface_.currentRow();
    const int col = surface_.currentCol();
    for (int r = 0; r < rows; ++r) {
        for (int c = 0; c < cols; ++c) {
            surface_.setCurrentCell(r, c);
            const scell& s = grid.getCell(r, c);
            setCellWhatever(s);
            setCellText(cellText(s, pc));
        }
    }
    surface_.setCurrentCell(row, col);
    surface_.setRedraw(true);
    if (stats_ && stats_->countsShown()) stats_->showCounts(eliminationCounts(*wb_));
    if (grid.allDone() == 1)
        wb_->statusBar().setPanelText(2, getMessage(kSolvedWellDone, pc.wLanguage));
}

void GridControl::setCursor(int row, int col) {
    surface_.setCurrentCell(row, col);
}

void GridControl::loadKeypress(int keyAscii) {
    const PuzzleControl& pc = wb_->pc();
    const char typed = upperAscii(keyAscii);
    setatvalidcell();
    if (surface_.currentRow() < 0) return;  // an empty grid has no cell to type into
    scell& cell = pc.theCells->getCell(surface_.currentRow(), surface_.currentCol());

    if (keyAscii == kKeyEnter) {
        goNextCell(true);
        return;
    }
    if (keyAscii == kKeyBackspace || keyAscii == kKeySpace) {
        cell.scPush();
        setCellText("");
        // Formatted from the state before clearing, as only a full redraw shows the rest.
        setCellWhatever(cell);
        cell.Clear();
        refreshAfterEdit();
        return;
    }
    const std::size_t p =
        (keyAscii > 0 && keyAscii < 128) ? pc.sElements.find(typed) : std::string::npos;
    if (p == std::string::npos) {
        surface_.beep();
        return;
    }
    cell.scPush();
    const int element = static_cast<int>(p) + 1;
    if (wb_->fControl().Initial) {
        cell.putOriginal(element);
    } else {
        cell.putEntered(element);
    }
    setCellWhatever(cell);
    setCellText(std::string(1, typed));
    refreshAfterEdit();
    goNextCell(false);
}

void GridControl::setatvalidcell() {
    if (surface_.currentRow() < 0) goNextRow();
    // A grid without a current cell has no column either.
    if (surface_.currentCol() < 0) surface_.setCurrentCell(surface_.currentRow(), 0);
}

void GridControl::goNextRow() {
    const int row = surface_.currentRow();
    if (row < surface_.rowCount() - 1) surface_.setCurrentCell(row + 1, surface_.currentCol());
}

void GridControl::goNextCol() {
    const int col = surface_.currentCol();
    if (col < surface_.columnCount() - 1) {
        surface_.setCurrentCell(surface_.currentRow(), col + 1);
    } else {
        goNextRow();
        surface_.setCurrentCell(surface_.currentRow(), 0);
    }
}

void GridControl::goNextCell(bool byRow) {
    if (byRow) {
        goNextRow();
        surface_.setCurrentCell(surface_.currentRow(), 0);
    } else {
        goNextCol();
    }
}

void GridControl::refreshAfterEdit() {
    const PuzzleControl& pc = wb_->pc();
    scells& grid = *pc.theCells;
    const bool wasInvalid = grid.Invalid;
    grid.resetPossibilities();
    grid.Validate();
    if (wasInvalid || grid.Invalid || pc.Scribbling) bUnloadGrid();
}

void GridControl::setCellBackColor(Colour c) {
    if (surface_.cellBackColor() != c) surface_.setCellBackColor(c);
}

void GridControl::setCellForeColor(Colour c) {
    if (surface_.cellForeColor() != c) surface_.setCellForeColor(c);
}

void GridControl::setCellFontName(const std::string& name) {
    if (surface_.cellFontName() != name) surface_.setCellFontName(name);
}

void GridControl::setCellFontSize(double points) {
    if (surface_.cellFontSize() != points) surface_.setCellFontSize(points);
}

void GridControl::setCellAlignment(CellAlignment a) {
    if (surface_.cellAlignment() != a) surface_.setCellAlignment(a);
}

void GridControl::setCellWordWrap(bool on) {
    if (surface_.wordWrap() != on) surface_.setWordWrap(on);
}

void GridControl::setCellText(const std::string& text) {
    surface_.setCellText(text);
}

}  // namespace velmora
