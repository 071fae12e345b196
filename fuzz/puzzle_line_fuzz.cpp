// The command line's input with any bytes: the bounded line reader against a plain split, the
// one-line puzzle reader on every line (what it accepts writes back to the same puzzle), and the
// solve and convert verbs on the first few lines. The first byte chooses the box shape, brute
// force and the reader's line limit.
#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <sstream>
#include <string>
#include <string_view>
#include <vector>

#include "cli.h"
#include "fuzz_workbench.h"
#include "line_reader.h"
#include "model/size_options.h"
#include "puzzle_line.h"

namespace {

using velmora::cli::LineReader;
using velmora::fuzz::require;

// The reader's lines must be the text split at its line feeds, over-long ones cut one character
// past the limit.
void checkLineReader(std::string_view text, std::size_t limit) {
    std::istringstream in{std::string(text)};
    LineReader reader(in, limit);
    std::string line;
    std::size_t start = 0;
    int count = 0;
    while (start < text.size()) {
        const std::size_t end = std::min(text.find('\n', start), text.size());
        const std::string_view expected = text.substr(start, end - start);
        const LineReader::Status status = reader.next(line);
        ++count;
        require(reader.lineNumber() == count, "the line reader miscounted its lines");
        if (expected.size() > limit) {
            require(status == LineReader::Status::TooLong, "an over-long line was not refused");
            require(line == expected.substr(0, limit + 1), "an over-long line was cut wrongly");
        } else {
            require(status == LineReader::Status::Line, "a line within the limit was refused");
            require(line == expected, "the line reader changed a line");
        }
        start = end + 1;
    }
    require(reader.next(line) == LineReader::Status::End, "the line reader read past the end");
    require(reader.next(line) == LineReader::Status::End, "the line reader read past the end");
}

void checkPuzzleLine(const std::string& line, int n) {
    const velmora::cli::PuzzleLine read = velmora::cli::readPuzzleLine(line, n);
    if (!read.error.empty()) {
        require(read.values.empty(), "a refused line left values behind");
        return;
    }
    require(read.values.size() == static_cast<std::size_t>(n * n), "a puzzle of the wrong size");
    for (const int v : read.values)
        require(v >= 0 && v <= n, "a value outside the elements");
    const std::string written = velmora::cli::writePuzzleLine(read.values, n);
    const velmora::cli::PuzzleLine again = velmora::cli::readPuzzleLine(written, n);
    require(again.error.empty() && again.values == read.values,
            "a written puzzle line reads back differently");
}

// The first `count` lines of `text`, so one input solves a bounded number of puzzles.
std::string_view firstLines(std::string_view text, int count) {
    std::size_t end = 0;
    for (int i = 0; i < count && end < text.size(); ++i) {
        end = text.find('\n', end);
        if (end == std::string_view::npos) return text;
        ++end;
    }
    return text.substr(0, end);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size == 0) return 0;
    const std::uint8_t control = data[0];
    const std::string_view text(reinterpret_cast<const char*>(data + 1), size - 1);
    const velmora::SizeOption& shape = velmora::kSizeOptions[control % 10];
    const int n = shape.nRows * shape.nCols;

    checkLineReader(text, 1 + (control >> 3) % 32);

    std::istringstream in{std::string(text)};
    LineReader lines(in);
    std::string line;
    for (LineReader::Status status = lines.next(line); status != LineReader::Status::End;
         status = lines.next(line)) {
        if (status == LineReader::Status::Line) checkPuzzleLine(line, n);
    }

    const std::string box = std::to_string(shape.nRows) + "x" + std::to_string(shape.nCols);
    const std::string input(firstLines(text, 3));
    std::vector<std::string> solve{"solve", "--box", box, "--seed", "1"};
    if (control & 0x80) solve.push_back("--brute-force");
    std::istringstream solveIn(input);
    std::ostringstream out, err;
    const int status = velmora::cli::runCli(solve, solveIn, out, err);
    require(status == 0 || status == 1, "solve exited with an unexpected status");

    std::istringstream convertIn(input);
    const int converted = velmora::cli::runCli({"convert", "--box", box}, convertIn, out, err);
    require(converted >= 0 && converted <= 2, "convert exited with an unexpected status");
    return 0;
}
