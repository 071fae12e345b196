// The view of the puzzle grid: lays the grid widget out for the current size, writes the model
// into it cell by cell and turns typed keys into cell changes. It is the only code that writes
// into the grid widget, and it reaches the widget only through GridSurface.
#pragma once

#include <string>

#include "display/grid_surface.h"
#include "display/statistics_view.h"
#include "model/ports.h"
#include "model/scell.h"

namespace velmora {

class Workbench;

class GridControl : public GridView {
  public:
    // `stats` may be null when no statistics panel exists.
    explicit GridControl(GridSurface& surface, StatisticsView* stats = nullptr);

    // The workbench whose configuration and grid this view shows. The configuration is read
    // afresh on every call, since loading a file replaces it.
    void init(Workbench& wb);

    void refreshEntrygrid() override;
    void bUnloadGrid() override;
    void setCursor(int row, int col) override;

    // Formats the surface's current cell from `s`.
    void setCellWhatever(const scell& s);

    // Keyboard entry and cursor moves.
    void loadKeypress(int keyAscii);
    void setatvalidcell();
    void goNextRow();
    void goNextCol();

  private:
    void goNextCell(bool byRow);
    void refreshAfterEdit();

    // Each writes its property of the current cell only when it changes, except the text.
    void setCellBackColor(Colour c);
    void setCellForeColor(Colour c);
    void setCellFontName(const std::string& name);
    void setCellFontSize(double points);
    void setCellAlignment(CellAlignment a);
    void setCellWordWrap(bool on);
    void setCellText(const std::string& text);

    GridSurface& surface_;
    StatisticsView* stats_;
    Workbench* wb_ = nullptr;
};

}  // namespace velmora
