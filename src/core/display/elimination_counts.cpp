#include "display/elimination_counts.h"

#include "model/workbench.h"

namespace velmora {

EliminationCounts eliminationCounts(Workbench& wb) {
    const auto& ne = wb.neSubsets;
    const auto at = [&ne](std::size_t k) { return k < ne.size() ? ne[k] : 0; };
    EliminationCounts c;
    c.singles = at(0);
    c.pairs = at(1);
    c.triplets = at(2);
    c.quads = at(3);
    for (std::size_t k = 4; k < ne.size(); ++k)
        c.more += ne[k];
    c.grabs = wb.sBlock().neGrabs;
    c.hiddenPairs = wb.sBlock().neHPairs;
    return c;
}

}  // namespace velmora
