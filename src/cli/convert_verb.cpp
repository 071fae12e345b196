#include "convert_verb.h"

#include <istream>
#include <ostream>
#include <vector>

#include "commands/exchange_commands.h"
#include "commands/save_commands.h"
#include "commands/workbench.h"
#include "formats/puzzle_writer.h"
#include "model/latin1.h"
#include "puzzle_input.h"
#include "save_file_input.h"
#include "savefile/save_file_io.h"
#include "savefile/save_text_writer.h"
#include "steps/candidate_grid.h"
#include "stream_messages.h"

namespace velmora::cli {

namespace {

// The first puzzle as the window would save it right after taking it in.
int writeSaveFile(const Options& options, const ExchangePuzzle& puzzle, std::ostream& out,
                  std::ostream& err) {
    FixedSettings settings = settingsFor(options);
    StreamMessages messages(err);
    Ports ports;
    ports.settings = &settings;
    ports.messages = &messages;
    Workbench wb(ports, Random::clockSeed());
    wb.newPuzzle();
    installExchangePuzzle(wb, puzzle);
    if (!options.save.empty()) return savePuzzle(wb, options.save) ? 0 : 1;
    out << writeSaveText(wb.pc(), "-", wb.clock());
    return 0;
}

}  // namespace

int convertVerb(const Options& options, std::istream& in, std::ostream& out, std::ostream& err) {
    std::vector<InputPuzzle> puzzles;
    bool fromSaveFile = false;
    const int status = forEachPuzzle(options, in, out, err, [&](const InputPuzzle& p) {
        fromSaveFile = fromSaveFile || p.saveFile;
        puzzles.push_back(p);
    });
    if (status != 0) return status;
    if (puzzles.empty()) {
        out << "error\n";
        err << inputName(options) << ": no puzzle found\n";
        return 1;
    }
    // Without --to a save file becomes one line, and one-line puzzles a save file.
    const bool toSaveFile = options.toSaveFile || (!options.to && !fromSaveFile);
    if (toSaveFile) {
        if (!options.to && !options.toSaveFile && options.save.empty()) {
            err << "sudoku-velmora-cli: " << inputName(options)
                << " holds puzzles; --save OUT.svl names the save file to write, --to FORMAT "
                   "another format\n";
            return 2;
        }
        return writeSaveFile(options, puzzles.front().puzzle, out, err);
    }
    std::string text;
    for (InputPuzzle& p : puzzles) {
        // Pencil marks of a puzzle that came without them: what its givens leave.
        if (!p.puzzle.candidates)
            p.puzzle.candidates =
                CandidateGrid::fromValues(p.puzzle.shape, p.puzzle.givens).candidates;
        text += latin1ToUtf8(writePuzzle(p.puzzle, options.to.value_or(PuzzleFormat::Line),
                                         WriteOptions{p.elements}));
    }
    if (options.save.empty()) {
        out << text;
        return 0;
    }
    if (writeFileAtomically(options.save, text)) return 0;
    err << "sudoku-velmora-cli: cannot write " << options.save << '\n';
    return 1;
}

}  // namespace velmora::cli
