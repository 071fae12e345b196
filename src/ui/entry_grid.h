// The puzzle grid widget (EntryGrid): a table view without headers or editors over the grid
// model, which shows what the core's grid control tells it through the GridSurface port. Typed
// characters are handed on as character codes; arrow keys and clicks move the current cell as
// the table does by itself.
#pragma once

#include <QTableView>

#include "model/ports.h"

namespace velmora::ui {

class GridModel;

class EntryGrid : public QTableView, public GridSurface {
    Q_OBJECT
  public:
    explicit EntryGrid(QWidget* parent = nullptr);

    void showLayout(const GridLayout& layout) override;
    void showCells(std::span<const CellView> cells) override;
    GridCursor cursor() const override;
    void setCursor(GridCursor cursor) override;
    void beep() override;

    const GridModel& gridModel() const { return *model_; }
    // The widget's size for a grid of `width` x `height` pixels of cells.
    QSize sizeForCellArea(int width, int height) const;

  signals:
    // A key that carries a character (Enter 13, Backspace 8, Space 32, ...).
    void keyTyped(int keyAscii);
    void beeped();

  protected:
    void keyPressEvent(QKeyEvent* event) override;

  private:
    GridModel* model_;
};

}  // namespace velmora::ui
