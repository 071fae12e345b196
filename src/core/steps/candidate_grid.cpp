#include "steps/candidate_grid.h"

#include <stdexcept>

namespace velmora {

CandidateGrid CandidateGrid::fromValues(BoxShape shape, std::vector<int> values) {
    const int n = shape.n();
    if (values.size() != static_cast<std::size_t>(shape.cellCount()))
        throw std::invalid_argument("CandidateGrid: wrong number of cells");
    std::vector<std::uint32_t> rows(static_cast<std::size_t>(n));
    std::vector<std::uint32_t> cols(rows.size());
    std::vector<std::uint32_t> boxes(rows.size());
    for (int cell = 0; cell < shape.cellCount(); ++cell) {
        int& v = values[static_cast<std::size_t>(cell)];
        if (v < 1 || v > n) v = 0;
        if (v == 0) continue;
        const int r = cell / n, c = cell % n;
        rows[static_cast<std::size_t>(r)] |= valueBit(v);
        cols[static_cast<std::size_t>(c)] |= valueBit(v);
        boxes[static_cast<std::size_t>(shape.boxOf(r, c))] |= valueBit(v);
    }
    CandidateGrid grid{shape, std::move(values), {}};
    grid.candidates.assign(grid.values.size(), 0);
    for (int cell = 0; cell < shape.cellCount(); ++cell) {
        if (!grid.isOpen(cell)) continue;
        const int r = cell / n, c = cell % n;
        grid.candidates[static_cast<std::size_t>(cell)] =
            allValues(n) & ~(rows[static_cast<std::size_t>(r)] | cols[static_cast<std::size_t>(c)] |
                             boxes[static_cast<std::size_t>(shape.boxOf(r, c))]);
    }
    return grid;
}

std::vector<int> peersOf(BoxShape shape, int cell) {
    const int n = shape.n();
    const int r = cell / n, c = cell % n;
    const int top = r - r % shape.rows, left = c - c % shape.cols;
    std::vector<int> peers;
    peers.reserve(static_cast<std::size_t>(3 * n));
    for (int k = 0; k < n; ++k) {
        if (k != c) peers.push_back(r * n + k);
        if (k != r) peers.push_back(k * n + c);
    }
    // Box cells off the cell's row and column; the others are in already.
    for (int dr = 0; dr < shape.rows; ++dr)
        for (int dc = 0; dc < shape.cols; ++dc)
            if (top + dr != r && left + dc != c) peers.push_back((top + dr) * n + left + dc);
    return peers;
}

}  // namespace velmora
