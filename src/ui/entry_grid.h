// The puzzle grid widget (EntryGrid): a table view without headers or editors over the grid
// model, which shows what the core's grid control tells it through the GridSurface port. Its
// cells are square and as large as the room the window gives it (fitInto), with fonts to match.
// Typed characters are handed on as character codes, the movement keys as cursor moves, a
// character with Ctrl as a highlight key and with Alt as a pencil-mark key.
#pragma once

#include <QTableView>
#include <functional>

#include "display/grid_control.h"
#include "model/ports.h"

namespace velmora::ui {

class GridModel;

class EntryGrid : public QTableView, public GridSurface {
    Q_OBJECT
  public:
    explicit EntryGrid(QWidget* parent = nullptr);

    void showLayout(const GridLayout& layout) override;
    void showCells(std::span<const CellView> cells) override;
    void showCellNames(std::span<const std::string> names) override;
    GridCursor cursor() const override;
    void setCursor(GridCursor cursor) override;
    void beep() override;

    const GridModel& gridModel() const { return *model_; }
    // The widget's size for a grid of `width` x `height` pixels of cells.
    QSize sizeForCellArea(int width, int height) const;

    // The square the window offers, widget frame included, and the square it offers at its
    // start-up size: the cells take their designed size in that one and grow or shrink with it.
    void setDesignedSide(int side);
    void fitInto(int side);
    // The side at which every cell has its designed size, as on paper.
    int designedSide() const { return designedSide_; }
    // The side of a cell now, and as designed for the current size.
    int cellSide() const { return cellSide_; }
    int designedCellSide() const;
    // How much larger than designed the cells, and with them the fonts, are drawn.
    double fontScale() const;

    // Decides whether a character key with Ctrl or Alt is the grid's (true) or left to the
    // window's shortcuts and menus. Unset: the grid takes none.
    std::function<bool(const QKeyEvent&)> claimsKey;

  signals:
    // A key that carries a character (Enter 13, Backspace 8, Space 32, ...).
    void keyTyped(int keyAscii);
    // An arrow key, Home or End (with Ctrl: the grid's first or last cell).
    void cursorKey(velmora::CursorMove move);
    // A character typed with Ctrl (highlight its value) or Alt (toggle its pencil mark).
    void highlightTyped(int keyAscii);
    void pencilMarkTyped(int keyAscii);
    void beeped();

  protected:
    bool event(QEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

  private:
    void layOut();

    GridModel* model_;
    int designedSide_ = 0;
    int offeredSide_ = 0;
    int cellSide_ = 0;
};

// The character code of a key pressed with modifiers, from the key rather than its text (which
// Ctrl turns into a control code); -1 when the key carries no Latin-1 character.
int keyCharacter(const QKeyEvent& event);

}  // namespace velmora::ui
