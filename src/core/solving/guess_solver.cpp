#include "solving/guess_solver.h"

#include <string>

#include "model/workbench.h"

namespace velmora {

GridPtr popGrid(std::vector<GridPtr>& stack) {
    if (stack.empty()) return nullptr;
    stack.back()->releaseCells();
    stack.pop_back();
    return stack.empty() ? nullptr : stack.back();
}

int guessSolve(Workbench& wb, const scell* sGuess, bool force) {
    Statsblock& block = wb.sBlock();
    const PuzzleControl& pc = wb.pc();
    GridPtr cur = block.scColl.back();
    const bool topLevel = sGuess == nullptr;
    if (topLevel) block.Reset();
    ++block.Tries;
    const bool guessing = force || pc.guessingEnabled;
    if (block.Tries < kGuessCallLimit && guessing)
        block.sBar->setPanelText(2, "Iteration  " + std::to_string(block.Tries));
    if (block.Tries >= kGuessCallLimit) {
        if (block.Tries == kGuessCallLimit) block.sBar->setPanelText(2, kGiveUpText);
        return 0;
    }

    const int s = cur->tryIt();
    cur->SolvedStatus = static_cast<std::int16_t>(s);
    if (s == 1) return 1;
    if (s != 2 || !guessing) return s;

    cur->Optimize();
    const scell* g = cur->getNextGuess(nullptr);
    if (g == nullptr) return s;
    // The sort puts an open cell without candidates first: the grid is a contradiction.
    if (g->countPossibilities == 0) {
        if (topLevel) cur->SolvedStatus = 0;
        return 0;
    }

    const int row = g->meRow;
    const int col = g->meCol;
    const PossOrder order = g->sPossOrder;
    const std::uint32_t candidates = g->bPoss;
    const GridPtr start = cur;
    int status = s;
    for (int i = 0; i < wb.pc().nDim; ++i) {
        const int e = order.ListGetValue(i);
        if (!(candidates & candidateBit(e))) continue;
        cur = cur->Clone();
        scell& t = cur->getCell(row, col);
        t.putSure(e + 1);
        status = guessSolve(wb, &t, force);
        if (status == 1) return 1;
        if (status == 0) cur = popGrid(block.scColl);
    }
    // Every candidate failed without reaching the call limit: the puzzle has no solution.
    if (topLevel && status == 0 && block.Tries < kGuessCallLimit) start->SolvedStatus = 0;
    return status;
}

}  // namespace velmora
