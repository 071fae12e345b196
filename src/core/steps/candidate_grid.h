// A grid as the step finder reads it: the placed values and the candidates of every open cell.
#pragma once

#include <cstdint>
#include <vector>

#include "model/box_shape.h"

namespace velmora {

// Bit v-1 stands for element number v.
constexpr std::uint32_t valueBit(int value) {
    return 1u << static_cast<unsigned>(value - 1);
}
constexpr std::uint32_t allValues(int n) {
    return (1u << static_cast<unsigned>(n)) - 1u;
}

struct CandidateGrid {
    BoxShape shape{};
    // N*N cells row by row (bigindex = row * N + col): element numbers 1..N, 0 for an open cell.
    std::vector<int> values;
    // The candidates of every cell, bit v-1 for element v; 0 for a placed cell.
    std::vector<std::uint32_t> candidates;

    int n() const { return shape.n(); }
    int cellCount() const { return shape.cellCount(); }
    bool isOpen(int cell) const { return values[static_cast<std::size_t>(cell)] == 0; }
    std::uint32_t candidatesAt(int cell) const {
        return candidates[static_cast<std::size_t>(cell)];
    }
    bool operator==(const CandidateGrid&) const = default;

    // The grid of `values` (values outside 1..N count as open) with every open cell's candidates
    // computed from the placed values alone. Throws std::invalid_argument when `values` does not
    // hold N*N cells.
    static CandidateGrid fromValues(BoxShape shape, std::vector<int> values);
};

// The cells that share a row, a column or a box with `cell`, the cell itself left out; each once.
std::vector<int> peersOf(BoxShape shape, int cell);

}  // namespace velmora
