// The box-line rule ("Grabs"): a value whose open cells in a box all lie in one row (or column)
// of the grid leaves the open cells of that row (or column) outside the box.
#include <array>

#include "elimination/elimination_pass.h"
#include "model/puzzle_control.h"

namespace velmora {

int EliminationPass::pokeGrabs(int box) {
    prepare();
    const int boxRows = pc_.nRows;
    const int boxCols = pc_.nCols;
    const int topLeft = unit(box, kBox)[0];
    const int r0 = row_[static_cast<std::size_t>(topLeft)];
    const int c0 = col_[static_cast<std::size_t>(topLeft)];
    const std::uint32_t all = all_;

    // Per row offset and per column offset of the box: the values its open cells hold.
    std::array<std::uint32_t, kMaxDim> rowMarks{};
    std::array<std::uint32_t, kMaxDim> colMarks{};
    const std::int16_t* inBox = openCells(box, kBox);
    const int m = openSize(box, kBox);
    for (int k = 0; k < m; ++k) {
        const auto i = static_cast<std::size_t>(inBox[k]);
        const std::uint32_t set = cand_[i] & all;
        rowMarks[static_cast<std::size_t>(row_[i] - r0)] |= set;
        colMarks[static_cast<std::size_t>(col_[i] - c0)] |= set;
    }

    int total = 0;
    // Values held by exactly one of the lines, and the line of each, then removal along it from
    // the open cells outside the box (those whose place across the line is not in the box's
    // span). The order of the removals does not matter: each cell loses what it holds of them.
    auto sweep = [&](const std::array<std::uint32_t, kMaxDim>& marks, int lines, int lineType,
                     int lineStart, const std::array<std::uint8_t, kMaxCells>& across, int boxStart,
                     int boxSize) {
        std::uint32_t once = 0;
        std::uint32_t twice = 0;
        for (int d = 0; d < lines; ++d) {
            twice |= once & marks[static_cast<std::size_t>(d)];
            once |= marks[static_cast<std::size_t>(d)];
        }
        for (int d = 0; d < lines; ++d) {
            const std::uint32_t grabbed = marks[static_cast<std::size_t>(d)] & once & ~twice;
            if (grabbed == 0) continue;
            const std::int16_t* line = openCells(lineStart + d, lineType);
            const int size = openSize(lineStart + d, lineType);
            for (int k = 0; k < size; ++k) {
                const int cell = line[k];
                const auto i = static_cast<std::size_t>(cell);
                const std::uint32_t gone = cand_[i] & grabbed;
                if (gone == 0) continue;
                if (static_cast<unsigned>(across[i] - boxStart) < static_cast<unsigned>(boxSize))
                    continue;
                cand_[i] &= ~gone;
                const int removed = candidateCount(gone);
                count_[i] -= removed;
                noteChanged(cell);
                total += removed;
            }
        }
    };
    // Rows of the box: line d is grid row r0 + d; columns: grid column c0 + d.
    sweep(rowMarks, boxRows, kRow, r0, col_, c0, boxCols);
    sweep(colMarks, boxCols, kColumn, c0, row_, r0, boxRows);
    return total;
}

}  // namespace velmora
