#include "elimination/grid_build.h"

#include <algorithm>
#include <memory>

#include "elimination/candidates.h"
#include "elimination/statsblock.h"
#include "model/module_state.h"
#include "model/puzzle_control.h"

namespace velmora {

void initfinishoff(scells& grid) {
    resetPossibilities(grid);
    grid.Optimize();
}

int initstandalone(scells& grid, PuzzleControl& pc) {
    const int n = grid.initstartoff(pc);
    if (n > 0) initfinishoff(grid);
    return n;
}

void initOnGridStack(const GridPtr& grid, PuzzleControl& pc) {
    if (initstandalone(*grid, pc) > 0) pc.sBlock->scColl.push_back(grid);
}

void buildPuzzle(PuzzleControl& pc) {
    pc.SizeIt();
    Statsblock& stats = *pc.sBlock;
    stats.clearStack();
    GridPtr grid = stats.takeGrid();
    grid->Invalid = false;  // a spare may have been marked; initstartoff sets the rest
    const int n = grid->initstartoff(pc);
    if (n > 0) {
        pc.module->buildUnitTables(BoxShape{pc.nRows, pc.nCols});
        initfinishoff(*grid);
        // The grid's own init would build it once more from scratch, which gives a grid of the
        // same kind (empty, fresh orders), and stack it a second time: only the stacking stays.
        stats.scColl.push_back(grid);
        stats.scColl.push_back(grid);
    }
    pc.theCells = grid;
    readSubsetSwitches(pc);
}

void readSubsetSwitches(PuzzleControl& pc) {
    ModuleState& module = *pc.module;
    const int n = pc.nDim;
    module.subsetEnabled.assign(static_cast<std::size_t>(std::max(n, 0)), 0);
    const WindowSettings& s = module.settings();
    for (int k = 0; k < 4 && k < n; ++k)
        module.subsetEnabled[static_cast<std::size_t>(k)] = s.subsetSwitch(k);
    for (int k = 4; k <= (n + 1) / 2 && k < n; ++k)
        module.subsetEnabled[static_cast<std::size_t>(k)] = s.subsetSwitch(4);
    module.grabsEnabled = s.grabsSwitch();
    module.hiddenPairsEnabled = s.hiddenPairsSwitch();
}

}  // namespace velmora
