#include "solving/guess_solver.h"

#include <string>

#include "elimination/candidates.h"
#include "elimination/statsblock.h"
#include "model/module_state.h"
#include "model/ports.h"
#include "model/puzzle_control.h"

namespace velmora {

GridPtr popGrid(std::vector<GridPtr>& stack) {
    if (stack.empty()) return nullptr;
    GridPtr top = std::move(stack.back());
    stack.pop_back();
    top->releaseCells();
    if (top->pControl != nullptr && top->pControl->sBlock != nullptr)
        top->pControl->sBlock->keepGrid(std::move(top));
    return stack.empty() ? nullptr : stack.back();
}

int tryIt(scells& grid) {
    allPossibilities(grid);
    // An open cell without candidates, or two cells of one unit settled on the same value, is a
    // contradiction wherever it stands; the completion test alone would miss the first behind an
    // earlier undecided cell.
    for (const scell& cell : grid.cells())
        if (!cell.Sure && cell.countPossibilities == 0) return 0;
    const int status = grid.allDone();
    if (status == 1 && grid.hasConflict()) return 0;
    return status;
}

GridPtr Clone(scells& grid) {
    PuzzleControl& pc = *grid.pControl;
    GridPtr copy = pc.sBlock->takeGrid();
    copy->cloneFrom(grid);
    // A freshly built grid has no marks when they are kept by hand (nothing computes them).
    if (pc.manualPencilMarks) copy->ClearPencilMarks();
    pc.sBlock->scColl.push_back(copy);
    return copy;
}

// Sorting the solver order by candidate count and taking its first open cell, as the order came
// from a uniform shuffle, gives each open cell of the fewest candidates the same chance; one draw
// among them does the same without the shuffle and the sort.
scell* pickGuessCell(scells& grid, Random& random) {
    int fewest = 0;
    int ties = 0;
    for (const scell& cell : grid.cells()) {
        if (cell.Sure) continue;
        if (ties == 0 || cell.countPossibilities < fewest) {
            fewest = cell.countPossibilities;
            ties = 1;
        } else if (cell.countPossibilities == fewest) {
            ++ties;
        }
    }
    if (ties == 0) return nullptr;
    int pick = ties == 1 ? 0 : random.below(ties);
    for (scell& cell : grid.cells()) {
        if (cell.Sure || cell.countPossibilities != fewest) continue;
        if (pick-- == 0) return &cell;
    }
    return nullptr;
}

int guessSolve(PuzzleControl& pc, const scell* sGuess, bool force) {
    Statsblock& block = *pc.sBlock;
    GridPtr cur = block.scColl.back();
    const bool topLevel = sGuess == nullptr;
    if (topLevel) block.Reset();
    ++block.Tries;
    const bool guessing = force || pc.guessingEnabled;
    if (block.Tries < kGuessCallLimit && guessing)
        block.sBar->setPanelText(Panel::Result, "Iteration  " + std::to_string(block.Tries));
    if (block.Tries >= kGuessCallLimit) {
        if (block.Tries == kGuessCallLimit) block.sBar->setPanelText(Panel::Result, kGiveUpText);
        return 0;
    }

    const int s = tryIt(*cur);
    cur->SolvedStatus = static_cast<std::int16_t>(s);
    if (s == 1) return 1;
    if (s != 2 || !guessing) return s;

    Random& random = pc.module->random();
    scell* g = pickGuessCell(*cur, random);
    if (g == nullptr) return s;
    // An open cell without candidates has the fewest: the grid is a contradiction.
    if (g->countPossibilities == 0) {
        if (topLevel) cur->SolvedStatus = 0;
        return 0;
    }

    const int row = g->meRow;
    const int col = g->meCol;
    if (!g->sPossOrder.drawn()) g->sPossOrder.listInit(pc.nDim, random);
    const PossOrder order = g->sPossOrder;
    const std::uint32_t candidates = g->bPoss;
    const GridPtr start = cur;
    int status = s;
    for (int i = 0; i < pc.nDim; ++i) {
        const int e = order.ListGetValue(i);
        if (!(candidates & candidateBit(e))) continue;
        cur = Clone(*cur);
        scell& t = cur->getCell(row, col);
        t.putSure(e + 1);
        status = guessSolve(pc, &t, force);
        if (status == 1) return 1;
        if (status == 0) cur = popGrid(block.scColl);
    }
    // Every candidate failed without reaching the call limit: the puzzle has no solution.
    if (topLevel && status == 0 && block.Tries < kGuessCallLimit) start->SolvedStatus = 0;
    return status;
}

}  // namespace velmora
