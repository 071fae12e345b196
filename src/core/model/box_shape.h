// The shape of a puzzle and the cells of its units, as plain values.
//
// A box is `rows` cells high and `cols` cells wide; the grid is N x N with N = rows * cols, so it
// has N / rows bands of boxes and N / cols stacks. Cells are numbered by bigindex = row * N + col,
// rows from the top, columns from the left, both from 0; boxes are numbered row by row. A unit is
// a row, a column or a box (unit type 0, 1, 2), each numbered 0..N-1.
#pragma once

#include <array>
#include <cstdint>
#include <span>
#include <vector>

namespace velmora {

enum UnitType : int { kRow = 0, kColumn = 1, kBox = 2 };

// The largest grid side: 18 (3x6 boxes).
inline constexpr int kMaxDim = 18;

struct BoxShape {
    int rows = 3;  // box height
    int cols = 3;  // box width

    constexpr int n() const { return rows * cols; }
    constexpr int cellCount() const { return n() * n(); }
    constexpr int boxOf(int row, int col) const { return (row / rows) * (n() / cols) + col / cols; }
    bool operator==(const BoxShape&) const = default;
};

// The ten shapes the program offers, in the order of the window's size options.
inline constexpr std::array<BoxShape, 10> kBoxShapes{
    {{3, 3}, {4, 4}, {2, 2}, {2, 3}, {3, 4}, {2, 4}, {2, 5}, {3, 5}, {2, 6}, {3, 6}}};

// The bigindexes of every unit's cells: a row's by column, a column's by row, a box's row by row
// (its top row left to right, then the next).
class UnitTable {
  public:
    UnitTable() = default;
    explicit UnitTable(BoxShape shape) : shape_(shape), n_(shape.n()) {
        cells_.assign(static_cast<std::size_t>(3 * n_ * n_), 0);
        std::array<int, kMaxDim> nextInBox{};
        for (int row = 0; row < n_; ++row) {
            for (int col = 0; col < n_; ++col) {
                const auto b = static_cast<std::int16_t>(row * n_ + col);
                at(kRow, row, col) = b;
                at(kColumn, col, row) = b;
                const int box = shape.boxOf(row, col);
                at(kBox, box, nextInBox[static_cast<std::size_t>(box)]++) = b;
            }
        }
    }

    BoxShape shape() const { return shape_; }
    int n() const { return n_; }
    std::span<const std::int16_t> unit(int unitType, int index) const {
        return {cells_.data() + offset(unitType, index, 0), static_cast<std::size_t>(n_)};
    }
    int cell(int position, int unit, int unitType) const {
        return cells_[offset(unitType, unit, position)];
    }

  private:
    std::size_t offset(int unitType, int unit, int position) const {
        return static_cast<std::size_t>((unitType * n_ + unit) * n_ + position);
    }
    std::int16_t& at(int unitType, int unit, int position) {
        return cells_[offset(unitType, unit, position)];
    }

    BoxShape shape_{};
    int n_ = 0;
    std::vector<std::int16_t> cells_;
};

}  // namespace velmora
