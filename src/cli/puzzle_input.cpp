#include "puzzle_input.h"

#include <ostream>

#include "commands/save_commands.h"
#include "commands/workbench.h"
#include "display/element_characters.h"
#include "puzzle_line.h"
#include "save_file_input.h"
#include "savefile/save_messages.h"
#include "stream_messages.h"

namespace velmora::cli {

namespace {

int readSaveFile(const Options& options, InputStart start, std::istream& in, std::ostream& out,
                 std::ostream& err, const std::function<void(const InputPuzzle&)>& each) {
    StreamMessages messages(err);
    Ports ports;
    ports.messages = &messages;
    Workbench wb(ports, 1);
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
    const PuzzleControl& pc = wb.pc();
    each({start.lineNumber, BoxShape{pc.nRows, pc.nCols}, gridGivens(wb.theCells()), pc.sElements});
    return 0;
}

}  // namespace

int forEachPuzzle(const Options& options, std::istream& in, std::ostream& out, std::ostream& err,
                  const std::function<void(const InputPuzzle&)>& each) {
    LineReader lines(in);
    InputStart start = readInputStart(lines);
    if (start.saveFile) return readSaveFile(options, std::move(start), in, out, err, each);

    const BoxShape shape{options.boxRows, options.boxCols};
    const std::string elements = defaultElements(shape.n());
    int status = 0;
    auto readLine = [&](const std::string& line, int lineNumber, bool tooLong) {
        if (!tooLong && isSkippedLine(line)) return;
        const PuzzleLine puzzle = tooLong ? tooLongLine() : readPuzzleLine(line, shape.n());
        if (!puzzle.error.empty()) {
            out << "error\n";
            err << "line " << lineNumber << ": " << puzzle.error << "\n";
            status = 1;
            return;
        }
        each({lineNumber, shape, puzzle.values, elements});
    };
    if (!start.empty) readLine(start.firstLine, start.lineNumber, start.firstLineTooLong);
    std::string line;
    for (;;) {
        const LineReader::Status read = lines.next(line);
        if (read == LineReader::Status::End) break;
        readLine(line, lines.lineNumber(), read == LineReader::Status::TooLong);
    }
    return status;
}

}  // namespace velmora::cli
