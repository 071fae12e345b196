#include "solving/hint.h"

#include "elimination/candidates.h"
#include "model/scells.h"

namespace velmora {

void giveHint(scells& grid) {
    resetPossibilities(grid);
    for (int i = 0; i < grid.sOrder.nList; ++i) {
        scell& cell = grid.getcellBigindex(grid.sOrder.ListGetValue(i));
        if (!cell.Sure && cell.countPossibilities == 1) {
            cell.updateSure();
            break;
        }
    }
    // The other cells must see the new value.
    resetPossibilities(grid);
}

}  // namespace velmora
