// What the grid control needs from the widget that shows the grid. The widget keeps a current
// cell (the entry cursor); the per-cell properties read and write that cell.
#pragma once

#include <string>

#include "display/cell_format.h"
#include "model/puzzle_control.h"

namespace velmora {

// A background or text colour the cell has never been given.
inline constexpr Colour kNoColour = 0xffffffffu;

class GridSurface {
  public:
    virtual ~GridSurface() = default;

    // Drawing is switched off during a full redraw and on again once at the end.
    virtual void setRedraw(bool on) = 0;
    // Empties every cell: texts and formats.
    virtual void clearCells() = 0;

    virtual int rowCount() const = 0;
    virtual int columnCount() const = 0;
    virtual void setDimensions(int rows, int cols) = 0;

    // The screen's resolution in dots per inch.
    virtual double dpiX() const = 0;
    virtual double dpiY() const = 0;
    // Sizes in pixels; the cell area is the grid without any frame of the widget.
    virtual int columnWidth(int col) const = 0;
    virtual void setColumnWidth(int col, int pixels) = 0;
    virtual int rowHeight(int row) const = 0;
    virtual void setRowHeight(int row, int pixels) = 0;
    virtual int cellAreaWidth() const = 0;
    virtual int cellAreaHeight() const = 0;
    virtual void setCellAreaSize(int width, int height) = 0;

    // The current cell; -1 when there is none.
    virtual int currentRow() const = 0;
    virtual int currentCol() const = 0;
    virtual void setCurrentCell(int row, int col) = 0;

    // Properties of the current cell.
    virtual Colour cellBackColor() const = 0;
    virtual void setCellBackColor(Colour c) = 0;
    virtual Colour cellForeColor() const = 0;
    virtual void setCellForeColor(Colour c) = 0;
    virtual std::string cellFontName() const = 0;
    virtual void setCellFontName(const std::string& name) = 0;
    virtual double cellFontSize() const = 0;
    virtual void setCellFontSize(double points) = 0;
    virtual CellAlignment cellAlignment() const = 0;
    virtual void setCellAlignment(CellAlignment a) = 0;
    virtual std::string cellText() const = 0;
    virtual void setCellText(const std::string& text) = 0;

    // Word wrapping is one setting of the whole grid.
    virtual bool wordWrap() const = 0;
    virtual void setWordWrap(bool on) = 0;

    // The system's sound signal for a key that is no element.
    virtual void beep() = 0;
};

}  // namespace velmora
