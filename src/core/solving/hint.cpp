#include "solving/hint.h"

#include "model/workbench.h"

namespace velmora {

void giveHint(Workbench& wb) {
    scells& grid = wb.theCells();
    grid.resetPossibilities();
    for (int i = 0; i < grid.sOrder.nList; ++i) {
        scell& cell = grid.getcellBigindex(grid.sOrder.ListGetValue(i));
        if (!cell.Sure && cell.countPossibilities == 1) {
            cell.updateSure();
            break;
        }
    }
    // The other cells must see the new value.
    grid.resetPossibilities();
}

}  // namespace velmora
