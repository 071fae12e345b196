// The view of the puzzle grid: lays the grid out for the current size, writes the model into it
// cell by cell and turns typed keys into cell changes. It is the only code that writes into the
// grid widget, and it reaches the widget only through the GridSurface port.
#pragma once

#include <vector>

#include "model/cell_view.h"
#include "model/ports.h"

namespace velmora {

class FormControl;
class PuzzleControl;

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
    // Latin-1 character, ...), and the cursor moves that follow it.
    void loadKeypress(int keyAscii);
    void setatvalidcell();
    void goNextRow();
    void goNextCol();

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

    GridSurface& surface_;
    StatisticsView* stats_;
    FormControl* fc_ = nullptr;
    GridLayout layout_;
    std::vector<CellView> cells_;
    bool announcedSolved_ = false;
    GridHighlight highlight_;
    std::uint64_t highlightedGrid_ = 0;  // the grid's fingerprint when the highlight was set
};

}  // namespace velmora
