#include "elimination/elimination_pass.h"

#include <bit>

#include "elimination/statsblock.h"
#include "model/module_state.h"
#include "model/puzzle_control.h"

namespace velmora {

EliminationPass::EliminationPass(scells& grid)
    : grid_(grid),
      pc_(*grid.pControl),
      module_(*grid.pControl->module),
      stats_(*grid.pControl->sBlock),
      n_(grid.dim()),
      cells_(grid.cellCount()),
      all_(allCandidates(grid.dim())),
      units_(grid.unitOf(0, kRow)) {
    for (int i = 0; i < cells_; ++i) {
        const scell& c = grid.getcellBigindex(i);
        const auto at = static_cast<std::size_t>(i);
        cand_[at] = c.Sure ? 0 : c.bPoss;
        count_[at] = c.countPossibilities;
        value_[at] = c.Trying;
        sure_[at] = c.Sure;
        readSure_[at] = c.Sure;
        sureCount_ += c.Sure ? 1 : 0;
        row_[at] = static_cast<std::uint8_t>(c.meRow);
        col_[at] = static_cast<std::uint8_t>(c.meCol);
        box_[at] = static_cast<std::uint8_t>(c.boxNumber);
    }
}

void EliminationPass::prepareNow() {
    if (!listed_) listOpenCells();
    if (!exactKnown_) {
        exact_ = true;
        for (int i = 0; i < cells_; ++i) {
            const auto at = static_cast<std::size_t>(i);
            if (!sure_[at] && ((cand_[at] & ~all_) != 0 || count_[at] != bitCount(cand_[at])))
                exact_ = false;
        }
        exactKnown_ = true;
    }
}

void EliminationPass::listOpenCells() {
    // Cells row by row reach every row by column, every column by row and every box row by
    // row: each list comes out in its unit's position order.
    const auto n = static_cast<std::size_t>(n_);
    auto& size = open_.size;
    size.fill(0);
    for (std::size_t r = 0; r < n; ++r) {
        auto& inRow = open_.cells[r];
        int rowSize = 0;
        for (std::size_t c = 0; c < n; ++c) {
            const std::size_t i = r * n + c;
            if (sure_[i]) continue;
            const auto cell = static_cast<std::int16_t>(i);
            inRow[static_cast<std::size_t>(rowSize++)] = cell;
            const std::size_t col = n + c;
            open_.cells[col][static_cast<std::size_t>(size[col]++)] = cell;
            const std::size_t box = 2 * n + box_[i];
            open_.cells[box][static_cast<std::size_t>(size[box]++)] = cell;
        }
        size[r] = rowSize;
    }
    listed_ = true;
}

void EliminationPass::store() const {
    for (int i = 0; i < cells_; ++i) {
        const auto at = static_cast<std::size_t>(i);
        if (readSure_[at]) continue;
        scell& c = grid_.getcellBigindex(i);
        c.Sure = sure_[at];
        c.Trying = value_[at];
        c.bPoss = cand_[at];
        c.countPossibilities = static_cast<std::int16_t>(count_[at]);
    }
}

void EliminationPass::generateAll() {
    // The values each row, column and box already holds, gathered once for the whole grid.
    std::array<std::uint32_t, kMaxDim> rowUsed{}, colUsed{}, boxUsed{};
    for (int i = 0; i < cells_; ++i) {
        const auto at = static_cast<std::size_t>(i);
        if (!sure_[at]) continue;
        const int v = value_[at];
        // A value outside 1..N excludes nothing.
        const std::uint32_t bit = v >= 1 && v <= n_ ? candidateBit(v - 1) : 0;
        rowUsed[row_[at]] |= bit;
        colUsed[col_[at]] |= bit;
        boxUsed[box_[at]] |= bit;
    }
    for (int i = 0; i < cells_; ++i) {
        const auto at = static_cast<std::size_t>(i);
        if (sure_[at]) continue;
        cand_[at] = all_ & ~(rowUsed[row_[at]] | colUsed[col_[at]] | boxUsed[box_[at]]);
        count_[at] = candidateCount(cand_[at]);
    }
    exact_ = true;
    exactKnown_ = true;
}

int EliminationPass::settleSingles(int& settled) {
    int fresh = 0;
    settled = 0;
    for (int i = 0; i < cells_; ++i) {
        const auto at = static_cast<std::size_t>(i);
        if (sure_[at]) {
            ++settled;
        } else if (count_[at] == 1) {
            const std::uint32_t present = cand_[at] & all_;
            sure_[at] = true;
            value_[at] = static_cast<std::int16_t>(present == 0 ? 0 : std::bit_width(present));
            cand_[at] = 0;
            count_[at] = 0;
            ++settled;
            ++fresh;
        }
    }
    sureCount_ = settled;
    if (fresh > 0) listed_ = false;
    return fresh;
}

void EliminationPass::noteChanged(int cell) {
    const auto at = static_cast<std::size_t>(cell);
    const std::uint32_t row = candidateBit(row_[at]);
    const std::uint32_t col = candidateBit(col_[at]);
    const std::uint32_t box = candidateBit(box_[at]);
    changed_.grabs |= box;
    changed_.mustBe[kRow] |= row;
    changed_.mustBe[kColumn] |= col;
    changed_.mustBe[kBox] |= box;
    changed_.subsets[kRow] |= row;
    changed_.subsets[kColumn] |= col;
    changed_.subsets[kBox] |= box;
}

bool EliminationPass::takeChanged(std::uint32_t& mask, int unit) {
    const std::uint32_t bit = candidateBit(unit);
    if (!(mask & bit)) return false;
    mask &= ~bit;
    return true;
}

int EliminationPass::runEliminations() {
    prepare();
    const std::uint32_t everyUnit = allCandidates(n_);
    changed_.grabs = everyUnit;
    changed_.mustBe.fill(everyUnit);
    changed_.subsets.fill(everyUnit);
    const std::uint32_t sizes = subsetSizes();
    const bool subsets = complexRulesOn();
    int total = 0;
    int change = 0;
    do {
        change = 0;
        if (module_.grabsEnabled) {
            for (int box = 0; box < n_; ++box) {
                if (!takeChanged(changed_.grabs, box)) continue;
                const int removed = pokeGrabs(box);
                stats_.neGrabs += removed;
                change += removed;
            }
            // Hidden singles report nothing, so they add no cycle of their own.
            for (int type = kRow; type <= kBox; ++type)
                for (int u = 0; u < n_; ++u)
                    if (takeChanged(changed_.mustBe[static_cast<std::size_t>(type)], u))
                        pokeMustBe(u, type);
        }
        if (subsets) {
            for (int type = kRow; type <= kBox; ++type) {
                int sum = 0;
                for (int u = 0; u < n_; ++u)
                    if (takeChanged(changed_.subsets[static_cast<std::size_t>(type)], u))
                        sum += unitSubsets(u, type, sizes);
                if (sum > 0) change += sum;
            }
        }
        total += change;
    } while (change != 0);
    return total;
}

namespace {
// One rule on the grid with a pass of its own, written back afterwards.
template <typename Rule>
int withPass(scells& grid, Rule rule) {
    EliminationPass pass(grid);
    const int result = rule(pass);
    pass.store();
    return result;
}
}  // namespace

int runEliminations(scells& grid) {
    return withPass(grid, [](EliminationPass& p) { return p.runEliminations(); });
}
int pokeGrabs(scells& grid, int box) {
    return withPass(grid, [&](EliminationPass& p) { return p.pokeGrabs(box); });
}
int pokeMustBe(scells& grid, int target, int itype) {
    return withPass(grid, [&](EliminationPass& p) { return p.pokeMustBe(target, itype); });
}
int pokeDisjointSubsets(scells& grid, int target, int itype) {
    return withPass(grid, [&](EliminationPass& p) { return p.pokeDisjointSubsets(target, itype); });
}
int pokeHiddenPairs(scells& grid, int unit, int itype) {
    return withPass(grid, [&](EliminationPass& p) { return p.pokeHiddenPairs(unit, itype); });
}
int pokeUnitSubsets(scells& grid, int unit, int itype) {
    return withPass(grid, [&](EliminationPass& p) { return p.pokeUnitSubsets(unit, itype); });
}

}  // namespace velmora
