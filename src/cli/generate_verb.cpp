#include "generate_verb.h"

#include <ostream>
#include <string>
#include <vector>

#include "commands/commands.h"
#include "commands/save_commands.h"
#include "commands/workbench.h"
#include "puzzle_line.h"
#include "stream_messages.h"
#include "terminal_progress.h"

namespace velmora::cli {

namespace {}  // namespace

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
        cbGenerate_Click(wb);
        const std::string line = writePuzzleLine(gridGivens(wb.theCells()), n);
        progress.finish();
        out << line << '\n' << std::flush;
        // --save keeps the first puzzle as the window would save it right after Generate.
        if (i == 1 && !options.save.empty() && !savePuzzle(wb, options.save)) status = 1;
    }
    return status;
}

}  // namespace velmora::cli
