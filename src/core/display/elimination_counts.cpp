#include "display/elimination_counts.h"

#include "elimination/statsblock.h"
#include "model/module_state.h"

namespace velmora {

EliminationCounts eliminationCounts(const ModuleState& module, const Statsblock& stats) {
    const auto& ne = module.neSubsets;
    const auto at = [&ne](std::size_t k) { return k < ne.size() ? ne[k] : 0; };
    EliminationCounts c;
    c.singles = at(0);
    c.pairs = at(1);
    c.triplets = at(2);
    c.quads = at(3);
    for (std::size_t k = 4; k < ne.size(); ++k)
        c.more += ne[k];
    c.grabs = stats.neGrabs;
    c.hiddenPairs = stats.neHPairs;
    return c;
}

}  // namespace velmora
