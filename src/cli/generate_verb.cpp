#include "generate_verb.h"

#include <ostream>
#include <string>
#include <vector>

#include "commands/commands.h"
#include "commands/save_commands.h"
#include "commands/workbench.h"
#include "puzzle_line.h"
#include "steps/explained_path.h"
#include "steps/rating.h"
#include "stream_messages.h"
#include "terminal_progress.h"

namespace velmora::cli {

namespace {

// How many puzzles a search for a level looks at before it gives up, as the book's does.
constexpr int kLevelAttempts = 200;

// Generates until a puzzle of the asked level comes; false when kLevelAttempts did not bring
// one.
bool generateAtLevel(Workbench& wb, const Options& options) {
    for (int attempt = 0; attempt < kLevelAttempts; ++attempt) {
        cbGenerate_Click(wb);
        if (options.level.empty()) return true;
        const PuzzleControl& pc = wb.pc();
        const Rating rating = ratePath(explainGivens(
            BoxShape{pc.nRows, pc.nCols}, gridGivens(wb.theCells()), ruleSwitchesFor(options)));
        if (levelCode(rating.level) == options.level) return true;
    }
    return false;
}

}  // namespace

int generateVerb(const Options& options, std::ostream& out, std::ostream& err, bool showProgress) {
    FixedSettings settings = settingsFor(options);
    settings.brute = false;
    TerminalProgress progress(err);
    StreamMessages messages(err);
    Ports ports;
    ports.settings = &settings;
    ports.messages = &messages;
    if (showProgress) ports.statusBar = &progress;
    Workbench wb(ports, options.seed ? *options.seed : Random::clockSeed());
    // The window starts with an empty puzzle before its first Generate.
    wb.newPuzzle();
    const int n = options.boxRows * options.boxCols;
    int status = 0;
    for (int i = 1; i <= options.count; ++i) {
        if (options.count > 1)
            progress.setPrefix(std::to_string(i) + "/" + std::to_string(options.count));
        if (!generateAtLevel(wb, options)) {
            progress.finish();
            err << "sudoku-velmora-cli: no " << options.level << " puzzle came in "
                << kLevelAttempts << " puzzles generated at difficulty " << options.difficulty
                << "; a higher --difficulty makes harder puzzles more likely\n";
            return 1;
        }
        const std::string line = writePuzzleLine(gridGivens(wb.theCells()), n);
        progress.finish();
        out << line << '\n' << std::flush;
        // --save keeps the first puzzle as the window would save it right after Generate.
        if (i == 1 && !options.save.empty() && !savePuzzle(wb, options.save)) status = 1;
    }
    return status;
}

}  // namespace velmora::cli
