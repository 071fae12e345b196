// The view of the puzzle grid: lays the grid out for the current size, writes the model into it
// cell by cell and turns typed keys into cell changes. It is the only code that writes into the
// grid widget, and it reaches the widget only through the GridSurface port.
#pragma once

#include <string>
#include <vector>

#include "model/cell_view.h"
#include "model/ports.h"

namespace velmora {

class FormControl;
class PuzzleControl;

// Cursor moves of the grid's keys. Left and Right go on into the previous or next row.
enum class CursorMove { Left, Right, Up, Down, RowStart, RowEnd, GridStart, GridEnd };

class GridControl : public GridView {
  public:
    // `stats` may be null when no statistics panel exists.
    explicit GridControl(GridSurface& surface, StatisticsView* stats = nullptr);

    // The controller whose configuration this view shows; it is read afresh on every call, since
    // loading a file replaces it.
    void init(FormControl& fc);

    void refreshEntrygrid() override;
    void bUnloadGrid() override;
    void setCursor(int row, int col) override;
    void beep() override;
    void setHighlight(GridHighlight highlight) override;

    // Keyboard entry of one typed character (its code: Enter 13, Backspace 8, Space 32, a
    // Latin-1 character, ...), and the cursor moves that follow it. '.', Space and a '0' that is
    // no element empty the cell and move on as a value does; Backspace empties it and stays;
    // Escape ends the highlighted value.
    void loadKeypress(int keyAscii);
    void setatvalidcell();
    void goNextRow();
    void goNextCol();
    void moveCursor(CursorMove move);

    // The highlighted value (1..N), 0 when none: the cells holding it and its candidates stand
    // out until it is chosen again or ended. It never changes the puzzle.
    int highlightedDigit() const { return digit_; }
    // Highlights `element`, or ends the highlight when it is the highlighted one.
    void toggleDigit(int element);
    void endDigitHighlight();
    // A click on (row, col): a cell with a value toggles the highlight of that value.
    void cellClicked(int row, int col);
    // A character typed with the highlight modifier: its element toggles, another key beeps.
    void highlightKey(int keyAscii);
    // The highlight key: the current cell's value toggles; on an open cell the highlight ends.
    void highlightCurrentValue();
    // The element (1..N) a typed character stands for, 0 for none.
    int elementOf(int keyAscii) const;

    // The layout last given to the surface.
    const GridLayout& layout() const { return layout_; }

  private:
    PuzzleControl& pc() const;
    void goNextCell(bool byRow);
    void refreshAfterEdit();
    // Panel 2 says "Solved- Well done!" exactly while every cell holds a value and no unit holds
    // one twice; the text goes when that stops being so.
    void announceSolved();

    // Puts the highlight into the cells about to be shown.
    void applyHighlight();
    // Puts the highlighted value into the cells the highlight leaves alone, and names the cells.
    void applyDigitAndNames();

    GridSurface& surface_;
    StatisticsView* stats_;
    FormControl* fc_ = nullptr;
    GridLayout layout_;
    std::vector<CellView> cells_;
    bool announcedSolved_ = false;
    GridHighlight highlight_;
    std::uint64_t highlightedGrid_ = 0;  // the grid's fingerprint when the highlight was set
    int digit_ = 0;
    std::vector<std::string> names_;
};

}  // namespace velmora
