#include "book_puzzle.h"

#include "commands/workbench.h"
#include "model/quiet_ports.h"
#include "model/size_options.h"
#include "solving/solve_driver.h"
#include "steps/explained_path.h"

namespace velmora::book {

namespace {

// The search picks its guesses in a random order; a fixed seed keeps a book repeatable.
constexpr std::uint64_t kSolverSeed = 1;

}  // namespace

BookPuzzle makeBookPuzzle(BoxShape shape, std::vector<int> givens, std::string elements,
                          const RuleSwitches& rules) {
    BookPuzzle puzzle{shape, std::move(elements), std::move(givens), {}, {}};
    const ExplainedPath path = explainGivens(shape, puzzle.givens, rules);
    puzzle.rating = ratePath(path);
    if (path.outcome == PathOutcome::Solved) {
        puzzle.solution = path.finalGrid.values;
    } else if (path.outcome == PathOutcome::Stuck) {
        puzzle.solution = solveByGuessing(shape, puzzle.givens);
    }
    return puzzle;
}

std::vector<int> solveByGuessing(BoxShape shape, const std::vector<int>& givens) {
    FixedSettings settings;
    settings.sizeOption = sizeOptionForBox(shape.rows, shape.cols);
    settings.brute = true;
    if (settings.sizeOption < 0 || static_cast<int>(givens.size()) != shape.cellCount()) return {};
    Ports ports;
    ports.settings = &settings;
    Workbench wb(ports, kSolverSeed);
    wb.buildPuzzle();
    for (int b = 0; b < shape.cellCount(); ++b) {
        const int v = givens[static_cast<std::size_t>(b)];
        if (v != 0) wb.theCells().getcellBigindex(b).putOriginal(v);
    }
    wb.theCells().Validate();
    if (wb.theCells().Invalid) return {};
    PuzzleControl& pc = wb.pc();
    pc.Generate = false;
    pc.solving = true;
    pc.guessingEnabled = true;
    wb.sBlock().Reset();
    GenerationProgress progress;
    solvePuzzle(pc, progress);
    scells& grid = wb.theCells();
    if (grid.SolvedStatus != 1) return {};
    std::vector<int> values(static_cast<std::size_t>(shape.cellCount()));
    for (int b = 0; b < shape.cellCount(); ++b) {
        const scell& cell = grid.getcellBigindex(b);
        if (!cell.Sure) return {};
        values[static_cast<std::size_t>(b)] = cell.Trying;
    }
    return values;
}

}  // namespace velmora::book
