#include "solve_verb.h"

#include <istream>
#include <ostream>

#include "model/workbench.h"
#include "puzzle_line.h"
#include "solving/guess_solver.h"
#include "solving/solve_driver.h"

namespace velmora::cli {

namespace {

// The word that tells how the solve ended.
std::string outcomeWord(Workbench& wb, bool bruteForce) {
    if (bruteForce && wb.sBlock().Tries >= kGuessCallLimit) return "gave-up";
    switch (wb.theCells().SolvedStatus) {
        case 1:
            return "solved";
        case 0:
            return "unsolvable";
        default:
            return "undecided";
    }
}

std::vector<int> gridValues(scells& grid) {
    std::vector<int> values(static_cast<std::size_t>(grid.cellCount()));
    for (int b = 0; b < grid.cellCount(); ++b) {
        const scell& cell = grid.getcellBigindex(b);
        values[static_cast<std::size_t>(b)] = cell.Sure ? cell.Trying : 0;
    }
    return values;
}

}  // namespace

int solveVerb(const Options& options, std::istream& in, std::ostream& out, std::ostream& err) {
    FixedSettings settings = settingsFor(options);
    Ports ports;
    ports.settings = &settings;
    Workbench wb(ports, options.seed ? *options.seed : Random::clockSeed());
    const int n = options.boxRows * options.boxCols;

    int status = 0;
    int lineNumber = 0;
    std::string line;
    while (std::getline(in, line)) {
        ++lineNumber;
        if (isSkippedLine(line)) continue;
        const PuzzleLine puzzle = readPuzzleLine(line, n);
        if (!puzzle.error.empty()) {
            out << "error\n";
            err << "line " << lineNumber << ": " << puzzle.error << "\n";
            status = 1;
            continue;
        }
        wb.buildPuzzle();
        PuzzleControl& pc = wb.pc();
        for (int b = 0; b < n * n; ++b) {
            const int v = puzzle.values[static_cast<std::size_t>(b)];
            if (v != 0) wb.theCells().getcellBigindex(b).putOriginal(v);
        }
        wb.theCells().resetPossibilities();
        wb.theCells().Validate();
        if (wb.theCells().Invalid) {
            out << writePuzzleLine(puzzle.values, n) << "\tinvalid\n";
            continue;
        }
        pc.Generate = false;
        pc.solving = true;
        pc.guessingEnabled = options.bruteForce;
        wb.sBlock().Reset();
        solvePuzzle(wb);
        pc.solving = false;
        out << writePuzzleLine(gridValues(wb.theCells()), n) << '\t'
            << outcomeWord(wb, options.bruteForce) << '\n';
    }
    return status;
}

}  // namespace velmora::cli
