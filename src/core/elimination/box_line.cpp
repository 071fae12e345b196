// The box-line rule ("Grabs"): a value whose open cells in a box all lie in one row (or column)
// of the grid leaves the open cells of that row (or column) outside the box.
#include <array>

#include "elimination/elimination_pass.h"
#include "model/puzzle_control.h"

namespace velmora {

int EliminationPass::pokeGrabs(int box) {
    const PuzzleControl& pc = pc_;
    const scell& topLeft = cell(grid_.unitOf(box, kBox)[0]);
    const int r0 = topLeft.meRow;
    const int c0 = topLeft.meCol;
    const std::uint32_t all = allCandidates(n_);

    // Per row offset and per column offset of the box: the values its open cells hold.
    std::array<std::uint32_t, kMaxDim> rowMarks{};
    std::array<std::uint32_t, kMaxDim> colMarks{};
    for (int dc = 0; dc < pc.nCols; ++dc) {
        for (int dr = 0; dr < pc.nRows; ++dr) {
            const scell& cell = grid_.getCell(r0 + dr, c0 + dc);
            if (cell.Sure) continue;
            rowMarks[static_cast<std::size_t>(dr)] |= cell.bPoss & all;
            colMarks[static_cast<std::size_t>(dc)] |= cell.bPoss & all;
        }
    }

    int total = 0;
    // Values held by exactly one of the lines, and the line of each, then removal along it
    // outside the box; cellOf(d, k) is cell k of line d.
    auto sweep = [&](const std::array<std::uint32_t, kMaxDim>& marks, int lines, auto cellOf,
                     int boxStart, int boxSize) {
        std::uint32_t once = 0;
        std::uint32_t twice = 0;
        for (int d = 0; d < lines; ++d) {
            twice |= once & marks[static_cast<std::size_t>(d)];
            once |= marks[static_cast<std::size_t>(d)];
        }
        for (int d = 0; d < lines; ++d) {
            const std::uint32_t grabbed = marks[static_cast<std::size_t>(d)] & once & ~twice;
            if (grabbed == 0) continue;
            for (int k = 0; k < n_; ++k) {
                if (k == boxStart) {
                    k += boxSize - 1;
                    continue;
                }
                scell& cell = cellOf(d, k);
                const std::uint32_t gone = cell.bPoss & grabbed;
                if (gone == 0 || cell.Sure) continue;
                cell.bPoss &= ~gone;
                const int removed = bitCount(gone);
                cell.countPossibilities =
                    static_cast<std::int16_t>(cell.countPossibilities - removed);
                noteChanged(cell);
                total += removed;
            }
        }
    };
    sweep(
        rowMarks, pc.nRows, [&](int d, int k) -> scell& { return grid_.getCell(r0 + d, k); }, c0,
        pc.nCols);
    sweep(
        colMarks, pc.nCols, [&](int d, int k) -> scell& { return grid_.getCell(k, c0 + d); }, r0,
        pc.nRows);
    return total;
}

}  // namespace velmora
