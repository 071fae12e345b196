#include "elimination/statsblock.h"

#include <algorithm>
#include <memory>

#include "model/module_state.h"
#include "model/puzzle_control.h"

namespace velmora {

void Statsblock::init(PuzzleControl& pc, StatusBar& bar) {
    scColl.clear();
    pControl = &pc;
    pc.sBlock = this;
    sBar = &bar;
    Reset();
}

void Statsblock::ResetElims() {
    neGrabs = nemore = neHPairs = neXwing = neSwordfish = 0;
    auto& counts = pControl->module->neSubsets;
    std::fill(counts.begin(), counts.end(), 0);
}

GridPtr Statsblock::takeGrid() {
    if (spareGrids.empty()) return std::make_shared<scells>();
    GridPtr grid = std::move(spareGrids.back());
    spareGrids.pop_back();
    return grid;
}

void Statsblock::keepGrid(GridPtr&& grid) {
    // A search never holds more grids than it makes calls; beyond that a grid is let go.
    constexpr std::size_t kMostSpares = 1024;
    if (grid.use_count() == 1 && spareGrids.size() < kMostSpares)
        spareGrids.push_back(std::move(grid));
    grid.reset();
}

void Statsblock::clearStack() {
    while (!scColl.empty()) {
        GridPtr grid = std::move(scColl.back());
        scColl.pop_back();
        keepGrid(std::move(grid));
    }
}

}  // namespace velmora
