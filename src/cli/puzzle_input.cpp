#include "puzzle_input.h"

#include <filesystem>
#include <optional>
#include <ostream>
#include <vector>

#include "commands/exchange_commands.h"
#include "commands/save_commands.h"
#include "commands/workbench.h"
#include "display/element_characters.h"
#include "formats/puzzle_reader.h"
#include "puzzle_line.h"
#include "save_file_input.h"
#include "savefile/save_messages.h"
#include "stream_messages.h"
#include "texts/read_error_texts.h"

namespace velmora::cli {

namespace {

struct TextLine {
    std::string text;
    int number = 0;
    bool tooLong = false;
};

int readSaveFile(const Options& options, InputStart start, std::istream& in, std::ostream& out,
                 std::ostream& err, const std::function<void(const InputPuzzle&)>& each,
                 Workbench* given) {
    StreamMessages messages(err);
    Ports ports;
    ports.messages = &messages;
    std::optional<Workbench> own;
    if (!given) {
        own.emplace(ports, 1);
        own->newPuzzle();
    }
    Workbench& wb = given ? *given : *own;
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
    each({puzzleOf(wb.theCells(), false), wb.pc().sElements, true});
    return 0;
}

void refuse(const ReadError& error, std::ostream& out, std::ostream& err) {
    out << "error\n";
    err << readErrorMessage(error, 0) << '\n';
}

bool isOneLinePuzzle(const ReadResult& read) {
    if (!read.ok() || read.puzzles.size() != 1) return false;
    const PuzzleFormat f = read.puzzles[0].format;
    return f == PuzzleFormat::Line || f == PuzzleFormat::Tagged || f == PuzzleFormat::Candidates;
}

// One line read alone; a fault names the line's own number.
int readOneLine(const TextLine& line, const ReadOptions& read, std::ostream& out, std::ostream& err,
                const std::function<void(const InputPuzzle&)>& each) {
    if (!line.tooLong && isSkippedLine(line.text)) return 0;
    if (line.tooLong) {
        err << "line " << line.number << ": the line is longer than " << kMaxInputLineLength
            << " characters\n";
        out << "error\n";
        return 1;
    }
    ReadResult result = readPuzzles(line.text, read);
    if (!result.ok()) {
        result.error->line = line.number;
        refuse(*result.error, out, err);
        return 1;
    }
    for (const ExchangePuzzle& p : result.puzzles)
        each({p, defaultElements(p.shape.n())});
    return 0;
}

}  // namespace

ReadOptions readOptionsFor(const Options& options) {
    ReadOptions read;
    if (options.boxGiven) read.box = BoxShape{options.boxRows, options.boxCols};
    if (!options.files.empty())
        read.hint =
            formatFromExtension(std::filesystem::path(options.files[0]).extension().string());
    read.singlesAsGivens = options.singlesAsGivens;
    return read;
}

int forEachPuzzle(const Options& options, std::istream& in, std::ostream& out, std::ostream& err,
                  const std::function<void(const InputPuzzle&)>& each, Workbench* workbench) {
    LineReader lines(in);
    InputStart start = readInputStart(lines);
    if (start.saveFile)
        return readSaveFile(options, std::move(start), in, out, err, each, workbench);
    const ReadOptions read = readOptionsFor(options);

    // As much as the reader takes is read whole, so grids spread over lines are seen as such;
    // a longer stream can only be one-line puzzles and is read a line at a time.
    std::vector<TextLine> buffered;
    std::size_t bytes = 0;
    const auto keep = [&](TextLine line) {
        bytes += line.text.size() + 1;
        buffered.push_back(std::move(line));
    };
    if (!start.empty) keep({start.firstLine, start.lineNumber, start.firstLineTooLong});
    bool whole = false;
    std::string text;
    while (bytes <= kMaxExchangeTextBytes) {
        const LineReader::Status status = lines.next(text);
        if (status == LineReader::Status::End) {
            whole = true;
            break;
        }
        keep({text, lines.lineNumber(), status == LineReader::Status::TooLong});
    }

    if (whole) {
        std::string all;
        int skipped = 0;
        for (const TextLine& line : buffered) {
            skipped += line.tooLong;
            all += line.text;
            all += '\n';
        }
        const ReadResult result = skipped == 0 ? readPuzzles(all, read) : ReadResult{};
        if (skipped == 0 && result.ok()) {
            for (const ExchangePuzzle& p : result.puzzles)
                each({p, defaultElements(p.shape.n())});
            return 0;
        }
        // A list of one-line puzzles with a bad line in it: every good line still counts.
        int oneLine = 0;
        int counted = 0;
        for (const TextLine& line : buffered) {
            if (line.tooLong || isSkippedLine(line.text)) continue;
            ++counted;
            oneLine += isOneLinePuzzle(readPuzzles(line.text, read));
        }
        if (skipped == 0 && (oneLine == 0 || 2 * oneLine < counted)) {
            refuse(*result.error, out, err);
            return 1;
        }
    }
    int status = 0;
    for (const TextLine& line : buffered)
        status |= readOneLine(line, read, out, err, each);
    if (!whole) {
        for (;;) {
            const LineReader::Status s = lines.next(text);
            if (s == LineReader::Status::End) break;
            status |= readOneLine({text, lines.lineNumber(), s == LineReader::Status::TooLong},
                                  read, out, err, each);
        }
    }
    return status;
}

}  // namespace velmora::cli
