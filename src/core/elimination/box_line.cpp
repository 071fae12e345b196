// The box-line rule ("Grabs"): a value whose open cells in a box all lie in one row (or column)
// of the grid leaves the open cells of that row (or column) outside the box.
#include <array>

#include "elimination/elimination_pass.h"
#include "model/puzzle_control.h"

namespace velmora {

int EliminationPass::pokeGrabs(int box) {
    const int boxRows = pc_.nRows;
    const int boxCols = pc_.nCols;
    const int topLeft = unit(box, kBox)[0];
    const int r0 = row_[static_cast<std::size_t>(topLeft)];
    const int c0 = col_[static_cast<std::size_t>(topLeft)];
    const std::uint32_t all = all_;

    // Per row offset and per column offset of the box: the values its open cells hold.
    std::array<std::uint32_t, kMaxDim> rowMarks{};
    std::array<std::uint32_t, kMaxDim> colMarks{};
    for (int dr = 0; dr < boxRows; ++dr) {
        const int first = (r0 + dr) * n_ + c0;
        for (int dc = 0; dc < boxCols; ++dc) {
            const auto i = static_cast<std::size_t>(first + dc);
            if (sure_[i]) continue;
            rowMarks[static_cast<std::size_t>(dr)] |= cand_[i] & all;
            colMarks[static_cast<std::size_t>(dc)] |= cand_[i] & all;
        }
    }

    int total = 0;
    // Values held by exactly one of the lines, and the line of each, then removal along it
    // outside the box. Cell k of line d is at first(d) + k * stride.
    auto sweep = [&](const std::array<std::uint32_t, kMaxDim>& marks, int lines, int lineFirst,
                     int lineStep, int stride, int boxStart, int boxSize) {
        std::uint32_t once = 0;
        std::uint32_t twice = 0;
        for (int d = 0; d < lines; ++d) {
            twice |= once & marks[static_cast<std::size_t>(d)];
            once |= marks[static_cast<std::size_t>(d)];
        }
        for (int d = 0; d < lines; ++d) {
            const std::uint32_t grabbed = marks[static_cast<std::size_t>(d)] & once & ~twice;
            if (grabbed == 0) continue;
            const int first = lineFirst + d * lineStep;
            for (int k = 0; k < n_; ++k) {
                if (k == boxStart) {
                    k += boxSize - 1;
                    continue;
                }
                const int cell = first + k * stride;
                const auto i = static_cast<std::size_t>(cell);
                const std::uint32_t gone = cand_[i] & grabbed;
                if (gone == 0 || sure_[i]) continue;
                cand_[i] &= ~gone;
                const int removed = bitCount(gone);
                count_[i] -= removed;
                noteChanged(cell);
                total += removed;
            }
        }
    };
    // Rows of the box: line d is grid row r0 + d; columns: grid column c0 + d.
    sweep(rowMarks, boxRows, r0 * n_, n_, 1, c0, boxCols);
    sweep(colMarks, boxCols, c0, 1, n_, r0, boxRows);
    return total;
}

}  // namespace velmora
