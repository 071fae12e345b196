#include "grid_model.h"

#include <algorithm>

namespace velmora::ui {

int GridModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : layout_.shape.n();
}

int GridModel::columnCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : layout_.shape.n();
}

QVariant GridModel::data(const QModelIndex& index, int role) const {
    if (!index.isValid()) return {};
    if (role == Qt::AccessibleTextRole) {
        const auto i = static_cast<std::size_t>(index.row() * layout_.shape.n() + index.column());
        if (i < names_.size()) return QString::fromStdString(names_[i]);
        return {};
    }
    if (role != Qt::DisplayRole) return {};
    return QString::fromStdString(cell(index.row(), index.column()).text);
}

void GridModel::setGridLayout(const GridLayout& layout) {
    // The same shape keeps its cells, so that views and screen readers keep their place.
    if (layout.shape == layout_.shape && !cells_.empty()) {
        layout_ = layout;
        const int n = layout_.shape.n();
        emit dataChanged(index(0, 0), index(n - 1, n - 1));
        return;
    }
    beginResetModel();
    layout_ = layout;
    cells_.assign(static_cast<std::size_t>(layout.shape.cellCount()), CellView{});
    names_.clear();
    endResetModel();
}

void GridModel::setCells(std::span<const CellView> cells) {
    const int n = layout_.shape.n();
    int first = -1;
    int last = -1;
    const std::size_t count = std::min(cells.size(), cells_.size());
    for (std::size_t i = 0; i < count; ++i) {
        if (cells_[i] == cells[i]) continue;
        cells_[i] = cells[i];
        if (first < 0) first = static_cast<int>(i);
        last = static_cast<int>(i);
    }
    if (first < 0) return;
    // Rows first to last, every column between: one notice however many cells changed.
    emit dataChanged(index(first / n, 0), index(last / n, n - 1));
}

void GridModel::setNames(std::span<const std::string> names) {
    const int n = layout_.shape.n();
    names_.resize(cells_.size());
    int first = -1;
    int last = -1;
    const std::size_t count = std::min(names.size(), names_.size());
    for (std::size_t i = 0; i < count; ++i) {
        if (names_[i] == names[i]) continue;
        names_[i] = names[i];
        if (first < 0) first = static_cast<int>(i);
        last = static_cast<int>(i);
    }
    if (first < 0) return;
    emit dataChanged(index(first / n, 0), index(last / n, n - 1), {Qt::AccessibleTextRole});
}

const CellView& GridModel::cell(int row, int col) const {
    return cells_[static_cast<std::size_t>(row * layout_.shape.n() + col)];
}

}  // namespace velmora::ui
