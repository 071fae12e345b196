#include "solve_verb.h"

#include <istream>
#include <ostream>

#include "commands/commands.h"
#include "commands/save_commands.h"
#include "commands/workbench.h"
#include "elimination/candidates.h"
#include "puzzle_line.h"
#include "save_file_input.h"
#include "savefile/save_messages.h"
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

// A save file: loaded as the Load command loads it and solved as the Solve command solves it.
int solveSaveFile(const Options& options, InputStart start, std::istream& in, std::ostream& out,
                  std::ostream& err) {
    FixedSettings settings = settingsFor(options);
    StreamMessages messages(err);
    Ports ports;
    ports.settings = &settings;
    ports.messages = &messages;
    Workbench wb(ports, options.seed ? *options.seed : Random::clockSeed());
    wb.newPuzzle();
    const std::string name = inputName(options);
    std::string bytes = std::move(start.consumed);
    if (!readRestOfSaveFile(in, bytes)) {
        messages.information(tooLargeMessage(name));
        out << "error\n";
        return 1;
    }
    if (!loadPuzzleText(wb, bytes, name)) {
        out << "error\n";
        return 1;
    }
    // The brute-force box now shows the file's setting; --brute-force ticks it.
    settings.brute = settings.brute || options.bruteForce;
    std::string outcome = "invalid";
    wb.theCells().Validate();
    if (!wb.theCells().Invalid) {
        wb.sBlock().Reset();
        cbSolve_Click(wb);
        outcome = outcomeWord(wb, settings.brute);
    }
    out << writePuzzleLine(gridValues(wb.theCells()), wb.pc().nDim) << '\t' << outcome << '\n';
    if (!options.save.empty() && !savePuzzle(wb, options.save)) return 1;
    return 0;
}

}  // namespace

int solveVerb(const Options& options, std::istream& in, std::ostream& out, std::ostream& err) {
    LineReader lines(in);
    InputStart start = readInputStart(lines);
    if (start.saveFile) return solveSaveFile(options, std::move(start), in, out, err);

    FixedSettings settings = settingsFor(options);
    StreamMessages messages(err);
    Ports ports;
    ports.settings = &settings;
    ports.messages = &messages;
    Workbench wb(ports, options.seed ? *options.seed : Random::clockSeed());
    const int n = options.boxRows * options.boxCols;

    int status = 0;
    bool saved = options.save.empty();
    auto solveLine = [&](const std::string& line, int lineNumber, bool tooLong) {
        if (!tooLong && isSkippedLine(line)) return;
        const PuzzleLine puzzle = tooLong ? tooLongLine() : readPuzzleLine(line, n);
        if (!puzzle.error.empty()) {
            out << "error\n";
            err << "line " << lineNumber << ": " << puzzle.error << "\n";
            status = 1;
            return;
        }
        wb.buildPuzzle();
        PuzzleControl& pc = wb.pc();
        for (int b = 0; b < n * n; ++b) {
            const int v = puzzle.values[static_cast<std::size_t>(b)];
            if (v != 0) wb.theCells().getcellBigindex(b).putOriginal(v);
        }
        wb.theCells().Validate();
        if (wb.theCells().Invalid) {
            // Not solved, but a saved copy still shows the candidates of the givens.
            resetPossibilities(wb.theCells());
            out << writePuzzleLine(puzzle.values, n) << "\tinvalid\n";
        } else {
            pc.Generate = false;
            pc.solving = true;
            pc.guessingEnabled = options.bruteForce;
            wb.sBlock().Reset();
            StatusBarProgress progress(wb);
            solvePuzzle(pc, progress);
            pc.solving = false;
            out << writePuzzleLine(gridValues(wb.theCells()), n) << '\t'
                << outcomeWord(wb, options.bruteForce) << '\n';
        }
        // --save keeps the first puzzle's outcome.
        if (!saved) {
            saved = true;
            if (!savePuzzle(wb, options.save)) status = 1;
        }
    };

    if (!start.empty) solveLine(start.firstLine, start.lineNumber, start.firstLineTooLong);
    std::string line;
    for (;;) {
        const LineReader::Status read = lines.next(line);
        if (read == LineReader::Status::End) break;
        solveLine(line, lines.lineNumber(), read == LineReader::Status::TooLong);
    }
    return status;
}

}  // namespace velmora::cli
