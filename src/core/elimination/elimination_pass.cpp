#include "elimination/elimination_pass.h"

#include "elimination/statsblock.h"
#include "model/module_state.h"
#include "model/puzzle_control.h"

namespace velmora {

EliminationPass::EliminationPass(scells& grid)
    : grid_(grid),
      pc_(*grid.pControl),
      module_(*grid.pControl->module),
      stats_(*grid.pControl->sBlock),
      n_(grid.dim()) {
    const std::uint32_t everyUnit = allCandidates(n_);
    changed_.grabs = everyUnit;
    changed_.mustBe.fill(everyUnit);
    changed_.subsets.fill(everyUnit);
}

void EliminationPass::noteChanged(const scell& c) {
    const std::uint32_t row = candidateBit(c.meRow);
    const std::uint32_t col = candidateBit(c.meCol);
    const std::uint32_t box = candidateBit(c.boxNumber);
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
    const std::uint32_t sizes = subsetSizes();
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
            for (int type = kRow; type <= kBox; ++type) {
                int sum = 0;
                for (int unit = 0; unit < n_; ++unit)
                    if (takeChanged(changed_.mustBe[static_cast<std::size_t>(type)], unit))
                        sum += pokeMustBe(unit, type);
                if (sum > 0) change += sum;
            }
        }
        for (int type = kRow; type <= kBox; ++type) {
            int sum = 0;
            for (int unit = 0; unit < n_; ++unit)
                if (takeChanged(changed_.subsets[static_cast<std::size_t>(type)], unit))
                    sum += unitSubsets(unit, type, sizes);
            if (sum > 0) change += sum;
        }
        total += change;
    } while (change != 0);
    return total;
}

int runEliminations(scells& grid) {
    return EliminationPass(grid).runEliminations();
}
int pokeGrabs(scells& grid, int box) {
    return EliminationPass(grid).pokeGrabs(box);
}
int pokeMustBe(scells& grid, int target, int itype) {
    return EliminationPass(grid).pokeMustBe(target, itype);
}
int pokeDisjointSubsets(scells& grid, int target, int itype) {
    return EliminationPass(grid).pokeDisjointSubsets(target, itype);
}
int pokeHiddenPairs(scells& grid, int unit, int itype) {
    return EliminationPass(grid).pokeHiddenPairs(unit, itype);
}
int pokeUnitSubsets(scells& grid, int unit, int itype) {
    return EliminationPass(grid).pokeUnitSubsets(unit, itype);
}

}  // namespace velmora
