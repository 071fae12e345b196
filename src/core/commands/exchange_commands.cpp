#include "commands/exchange_commands.h"

#include <algorithm>
#include <cctype>

#include "commands/candidate_options.h"
#include "commands/save_commands.h"
#include "commands/workbench.h"
#include "display/element_characters.h"
#include "elimination/candidates.h"
#include "formats/puzzle_reader.h"
#include "formats/puzzle_writer.h"
#include "model/latin1.h"
#include "savefile/save_file_io.h"
#include "savefile/save_messages.h"
#include "steps/candidate_grid.h"
#include "texts/exchange_texts.h"
#include "texts/messages.h"
#include "texts/read_error_texts.h"

namespace velmora {

namespace {

int shapeIndex(BoxShape shape) {
    const auto at = std::find(kBoxShapes.begin(), kBoxShapes.end(), shape);
    return at == kBoxShapes.end() ? -1 : static_cast<int>(at - kBoxShapes.begin());
}

// A new empty grid of `shape` with its default element characters and a fresh history.
void switchSize(Workbench& wb, BoxShape shape) {
    const int index = shapeIndex(shape);
    PuzzleControl& pc = wb.pc();
    wb.settings().showSizeOption(index);
    pc.sgValue = index;
    pc.sElements = defaultElements(shape.n());
    wb.settings().setElementsText(latin1ToUtf8(pc.sElements));
    wb.newPuzzle();
}

// Writes the puzzle's state into `cell` when it differs, recording it first when `record`.
void takeCell(scell& cell, int given, std::optional<std::uint32_t> marks, bool record) {
    const bool same = given != 0 ? cell.Sure && cell.Original && cell.Trying == given
                                 : !cell.Sure && (!marks || cell.bPoss == *marks);
    if (same) return;
    if (record) cell.scPush();
    if (given != 0) {
        cell.putOriginal(given);
        return;
    }
    cell.Clear();
    if (marks) {
        cell.bPoss = *marks;
        cell.countPossibilities = static_cast<std::int16_t>(bitCount(*marks));
    }
}

}  // namespace

ExchangePuzzle puzzleOf(const scells& grid, bool allValues) {
    const PuzzleControl& pc = *grid.pControl;
    ExchangePuzzle p;
    p.shape = BoxShape{pc.nRows, pc.nCols};
    std::vector<int> values;
    for (const scell& c : grid.cells()) {
        const bool taken = c.Sure && (allValues || c.Original);
        p.givens.push_back(taken ? c.Trying : 0);
        values.push_back(c.Sure ? c.Trying : 0);
    }
    // The candidates on show, or those the values leave when none are shown.
    const CandidateGrid computed = CandidateGrid::fromValues(p.shape, values);
    std::vector<std::uint32_t> marks;
    for (std::size_t i = 0; i < grid.cells().size(); ++i) {
        const scell& c = grid.cells()[i];
        if (p.givens[i] != 0) {
            marks.push_back(valueBit(p.givens[i]));
        } else if (c.Sure) {
            marks.push_back(valueBit(c.Trying));
        } else {
            marks.push_back(pc.Scribbling ? c.bPoss & allCandidates(grid.dim())
                                          : computed.candidates[i]);
        }
    }
    p.candidates = std::move(marks);
    return p;
}

void installExchangePuzzle(Workbench& wb, const ExchangePuzzle& puzzle) {
    const bool sameSize = BoxShape{wb.pc().nRows, wb.pc().nCols} == puzzle.shape;
    if (!sameSize) switchSize(wb, puzzle.shape);
    PuzzleControl& pc = wb.pc();
    // Candidates the text lists are the user's marks; without them hand-kept marks start from
    // what the givens leave.
    const bool marked = puzzle.candidates.has_value();
    if (marked) keepPencilMarks(wb);
    const CandidateGrid basic = CandidateGrid::fromValues(puzzle.shape, puzzle.givens);
    FormControl& history = wb.fControl();
    history.beginGroup();
    scells& grid = *pc.theCells;
    for (int b = 0; b < grid.cellCount(); ++b) {
        const auto i = static_cast<std::size_t>(b);
        std::optional<std::uint32_t> marks;
        if (marked) {
            marks = (*puzzle.candidates)[i];
        } else if (pc.manualPencilMarks) {
            marks = basic.candidates[i];
        }
        takeCell(grid.getcellBigindex(b), puzzle.givens[i], marks, sameSize);
    }
    history.endGroup();
    resetPossibilities(grid);
    wb.gControl().bUnloadGrid();
    // A puzzle taken in is there to be solved: typed values are the user's.
    history.Initial = false;
    wb.settings().highlightPhase(Phase::EnterSolution);
    const std::string about = metadataLine(puzzle.metadata, pc.wLanguage);
    wb.statusBar().setPanelText(
        Panel::Status,
        about.empty() ? getMessage(MessageId::TrySolveManually, pc.wLanguage) : about);
}

bool openPuzzleText(Workbench& wb, std::string_view text, std::optional<PuzzleFormat> hint) {
    const PuzzleControl& pc = wb.pc();
    ReadOptions options;
    options.hint = hint;
    if (pc.nDim == 12) options.box = BoxShape{pc.nRows, pc.nCols};
    ReadResult read = readPuzzles(text, options);
    if (!read.ok() && read.error->code == ReadErrorCode::AmbiguousShape) {
        options.box =
            wb.messages().question(twelveQuestion(pc.wLanguage)) ? BoxShape{3, 4} : BoxShape{2, 6};
        read = readPuzzles(text, options);
    }
    if (!read.ok()) {
        wb.messages().information(readErrorMessage(*read.error, pc.wLanguage));
        return false;
    }
    installExchangePuzzle(wb, read.puzzles.front());
    return true;
}

bool openPuzzleFile(Workbench& wb, const std::filesystem::path& path) {
    const FileBytes file = readSaveFileBytes(path);
    if (file.status != FileBytes::Status::Read) {
        wb.messages().information(file.status == FileBytes::Status::TooLarge
                                      ? tooLargeMessage(path)
                                      : cannotOpenMessage(path));
        return false;
    }
    const std::string_view bytes = file.bytes;
    // A save file by its name, or by its first line: the reader of save files says what is wrong
    // with a damaged one.
    std::string extension = path.extension().string();
    for (char& c : extension)
        c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    const std::size_t start = std::min(bytes.find_first_not_of(" \t\r\n"), bytes.size());
    const std::string_view first = bytes.substr(start);
    const bool saveLine = first.size() > 1 && first[1] == ',' &&
                          std::string_view("!+-=").find(first[0]) != std::string_view::npos;
    if (extension == ".svl" || saveLine) return loadPuzzleText(wb, bytes, pathText(path));
    return openPuzzleText(wb, bytes, formatFromExtension(path.extension().string()));
}

ClipboardTexts copyPuzzle(const Workbench& wb) {
    const PuzzleControl& pc = wb.pc();
    const WriteOptions options{pc.sElements};
    return {latin1ToUtf8(writeLine(puzzleOf(*pc.theCells, false), options)),
            latin1ToUtf8(writePencilMarks(puzzleOf(*pc.theCells, true), options))};
}

}  // namespace velmora
