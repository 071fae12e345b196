#include "convert_verb.h"

#include <istream>
#include <ostream>

#include "commands/commands.h"
#include "commands/save_commands.h"
#include "commands/workbench.h"
#include "elimination/candidates.h"
#include "puzzle_line.h"
#include "save_file_input.h"
#include "savefile/save_messages.h"
#include "stream_messages.h"

namespace velmora::cli {

namespace {

struct FoundLine {
    std::string text;  // empty when the input holds no puzzle line
    int lineNumber = 0;
    bool tooLong = false;
};

// The first puzzle line at or after `start`.
FoundLine firstPuzzleLine(const InputStart& start, LineReader& lines) {
    if (start.firstLineTooLong) return {start.firstLine, start.lineNumber, true};
    if (!start.empty && !isSkippedLine(start.firstLine)) return {start.firstLine, start.lineNumber};
    std::string line;
    for (;;) {
        const LineReader::Status read = lines.next(line);
        if (read == LineReader::Status::End) return {};
        if (read == LineReader::Status::TooLong) return {line, lines.lineNumber(), true};
        if (!isSkippedLine(line)) return {line, lines.lineNumber()};
    }
}

}  // namespace

int convertVerb(const Options& options, std::istream& in, std::ostream& out, std::ostream& err) {
    FixedSettings settings = settingsFor(options);
    StreamMessages messages(err);
    Ports ports;
    ports.settings = &settings;
    ports.messages = &messages;
    Workbench wb(ports, Random::clockSeed());
    wb.newPuzzle();

    LineReader lines(in);
    InputStart start = readInputStart(lines);
    if (start.saveFile) {
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
        if (!options.save.empty()) return savePuzzle(wb, options.save) ? 0 : 1;
        out << writePuzzleLine(gridGivens(wb.theCells()), wb.pc().nDim) << '\n';
        return 0;
    }

    if (options.save.empty()) {
        err << "sudoku-velmora-cli: " << inputName(options)
            << " holds one-line puzzles; --save OUT.svl names the save file to write\n";
        return 2;
    }
    const int n = options.boxRows * options.boxCols;
    const FoundLine found = firstPuzzleLine(start, lines);
    if (found.text.empty()) {
        out << "error\n";
        err << inputName(options) << ": no puzzle found\n";
        return 1;
    }
    const PuzzleLine puzzle = found.tooLong ? tooLongLine() : readPuzzleLine(found.text, n);
    if (!puzzle.error.empty()) {
        out << "error\n";
        err << "line " << found.lineNumber << ": " << puzzle.error << "\n";
        return 1;
    }
    // As the window: "Enter given numbers", then each given typed into its cell.
    cbEnterInitial_Click(wb);
    for (int b = 0; b < n * n; ++b) {
        const int v = puzzle.values[static_cast<std::size_t>(b)];
        if (v == 0) continue;
        scell& cell = wb.theCells().getcellBigindex(b);
        cell.scPush();
        cell.putOriginal(v);
        resetPossibilities(wb.theCells());
    }
    return savePuzzle(wb, options.save) ? 0 : 1;
}

}  // namespace velmora::cli
