#include "solve_verb.h"

#include <algorithm>
#include <istream>
#include <ostream>

#include "commands/commands.h"
#include "commands/save_commands.h"
#include "commands/workbench.h"
#include "elimination/candidates.h"
#include "puzzle_input.h"
#include "puzzle_line.h"
#include "solving/guess_solver.h"
#include "solving/solve_driver.h"
#include "stream_messages.h"

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
    StreamMessages messages(err);
    Ports ports;
    ports.settings = &settings;
    ports.messages = &messages;
    Workbench wb(ports, options.seed ? *options.seed : Random::clockSeed());
    wb.newPuzzle();

    int status = 0;
    bool saved = options.save.empty();
    // A save file is solved as the window's Solve solves it after Load; a puzzle of text from its
    // givens, as Solve does right after they were typed in.
    const auto solve = [&](const InputPuzzle& input) {
        const int n = input.puzzle.shape.n();
        std::string outcome = "invalid";
        if (input.saveFile) {
            // The brute-force box now shows the file's setting; --brute-force ticks it.
            settings.brute = settings.brute || options.bruteForce;
            wb.theCells().Validate();
            if (!wb.theCells().Invalid) {
                wb.sBlock().Reset();
                cbSolve_Click(wb);
                outcome = outcomeWord(wb, settings.brute);
            }
        } else {
            const auto at = std::find(kBoxShapes.begin(), kBoxShapes.end(), input.puzzle.shape);
            settings.sizeOption = static_cast<int>(at - kBoxShapes.begin());
            wb.buildPuzzle();
            PuzzleControl& pc = wb.pc();
            for (int b = 0; b < n * n; ++b) {
                const int v = input.puzzle.givens[static_cast<std::size_t>(b)];
                if (v != 0) wb.theCells().getcellBigindex(b).putOriginal(v);
            }
            wb.theCells().Validate();
            if (wb.theCells().Invalid) {
                // Not solved, but a saved copy still shows the candidates of the givens.
                resetPossibilities(wb.theCells());
            } else {
                pc.Generate = false;
                pc.solving = true;
                pc.guessingEnabled = options.bruteForce;
                wb.sBlock().Reset();
                StatusBarProgress progress(wb);
                solvePuzzle(pc, progress);
                pc.solving = false;
                outcome = outcomeWord(wb, options.bruteForce);
            }
        }
        const std::vector<int> values = outcome == "invalid" && !input.saveFile
                                            ? input.puzzle.givens
                                            : gridValues(wb.theCells());
        out << writePuzzleLine(values, n) << '\t' << outcome << '\n';
        // --save keeps the first puzzle's outcome.
        if (!saved) {
            saved = true;
            if (!savePuzzle(wb, options.save)) status = 1;
        }
    };
    status |= forEachPuzzle(options, in, out, err, solve, &wb);
    return status;
}

}  // namespace velmora::cli
