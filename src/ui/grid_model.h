// The grid's contents as Qt's item views read them: the layout and every cell's look, exactly as
// the core's grid control computed them.
#pragma once

#include <QAbstractTableModel>
#include <span>
#include <string>
#include <vector>

#include "model/cell_view.h"

namespace velmora::ui {

class GridModel : public QAbstractTableModel {
    Q_OBJECT
  public:
    using QAbstractTableModel::QAbstractTableModel;

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role) const override;

    // A layout of another shape empties every cell.
    void setGridLayout(const GridLayout& layout);
    // Takes every cell's look, row by row; only changed cells are reported to the views.
    void setCells(std::span<const CellView> cells);
    // Takes what every cell says to assistive technology (Qt::AccessibleTextRole), row by row.
    void setNames(std::span<const std::string> names);

    const GridLayout& gridLayout() const { return layout_; }
    const CellView& cell(int row, int col) const;

  private:
    GridLayout layout_;
    std::vector<CellView> cells_;
    std::vector<std::string> names_;
};

}  // namespace velmora::ui
