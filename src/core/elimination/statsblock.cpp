#include "elimination/statsblock.h"

#include <algorithm>

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

}  // namespace velmora
