// The puzzle grid widget (EntryGrid): a table without headers or editors whose cells the grid
// control formats one by one. Typed characters are handed on as character codes; arrow keys
// and clicks move the current cell as the table does by itself.
#pragma once

#include <QTableWidget>

#include "display/grid_surface.h"

class QTableWidgetItem;

namespace velmora::ui {

class EntryGrid : public QTableWidget, public GridSurface {
    Q_OBJECT
  public:
    explicit EntryGrid(QWidget* parent = nullptr);

    void setRedraw(bool on) override;
    void clearCells() override;
    int rowCount() const override { return QTableWidget::rowCount(); }
    int columnCount() const override { return QTableWidget::columnCount(); }
    void setDimensions(int rows, int cols) override;
    double dpiX() const override { return logicalDpiX(); }
    double dpiY() const override { return logicalDpiY(); }
    int columnWidth(int col) const override { return QTableWidget::columnWidth(col); }
    void setColumnWidth(int col, int pixels) override { QTableWidget::setColumnWidth(col, pixels); }
    int rowHeight(int row) const override { return QTableWidget::rowHeight(row); }
    void setRowHeight(int row, int pixels) override { QTableWidget::setRowHeight(row, pixels); }
    int cellAreaWidth() const override;
    int cellAreaHeight() const override;
    void setCellAreaSize(int width, int height) override;
    int currentRow() const override { return QTableWidget::currentRow(); }
    int currentCol() const override { return QTableWidget::currentColumn(); }
    void setCurrentCell(int row, int col) override;

    Colour cellBackColor() const override;
    void setCellBackColor(Colour c) override;
    Colour cellForeColor() const override;
    void setCellForeColor(Colour c) override;
    std::string cellFontName() const override;
    void setCellFontName(const std::string& name) override;
    double cellFontSize() const override;
    void setCellFontSize(double points) override;
    CellAlignment cellAlignment() const override;
    void setCellAlignment(CellAlignment a) override;
    std::string cellText() const override;
    void setCellText(const std::string& text) override;
    bool wordWrap() const override { return QTableWidget::wordWrap(); }
    void setWordWrap(bool on) override { QTableWidget::setWordWrap(on); }
    void beep() override;

    // The widget's size for a grid of `width` x `height` pixels of cells.
    QSize sizeForCellArea(int width, int height) const;

  signals:
    // A key that carries a character (Enter 13, Backspace 8, Space 32, ...).
    void keyTyped(int keyAscii);
    void beeped();

  protected:
    void keyPressEvent(QKeyEvent* event) override;

  private:
    QTableWidgetItem* current() const;
    QTableWidgetItem* currentForWriting();
    void fillItems();
};

}  // namespace velmora::ui
