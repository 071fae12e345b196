#include "savefile/save_text_writer.h"

#include "model/latin1.h"
#include "model/puzzle_control.h"
#include "model/scells.h"

namespace velmora {

namespace {

constexpr std::string_view kLineEnd = "\r\n";

std::string flag(bool value) {
    return value ? "1" : "0";
}

void line(std::string& out, std::string_view kind, std::string_view key, std::string_view value) {
    out += kind;
    out += ',';
    out += key;
    out += ',';
    out += value;
    out += kLineEnd;
}

}  // namespace

std::string plainNumber(long value) {
    return std::to_string(value);
}

std::string paddedNumber(long value) {
    return value >= 0 ? " " + std::to_string(value) : std::to_string(value);
}

std::string writeSaveText(const PuzzleControl& pc, std::string_view savePath,
                          std::string_view dateTime) {
    const scells& grid = *pc.theCells;
    const int n = grid.dim();
    std::string out;
    out.reserve(static_cast<std::size_t>(400 + n * n * (12 + 4 * n)));
    out += kSaveFileComment;
    out += kLineEnd;
    line(out, "+", "Time", dateTime);
    line(out, "+", "SaveFile", utf8ToLatin1(savePath));
    line(out, "+", "pVersion", utf8ToLatin1(pc.pVersion));
    line(out, "+", "pSaveVersion", plainNumber(pc.pSaveVersion));
    line(out, "-", "nCols", plainNumber(pc.nCols));
    line(out, "-", "nRows", plainNumber(pc.nRows));
    line(out, "-", "nRowsofBoxes", plainNumber(pc.nRowsofBoxes));
    line(out, "-", "nColsofBoxes", plainNumber(pc.nColsofBoxes));
    line(out, "+", "sgValue", plainNumber(pc.sgValue));
    line(out, "-", "sElements", pc.sElements);  // already one Latin-1 byte each
    line(out, "-", "Experimental", flag(pc.Experimental));
    line(out, "-", "guessingEnabled", flag(pc.guessingEnabled));
    line(out, "-", "scribbling", flag(pc.Scribbling));
    line(out, "-", "manualPencilMarks", flag(pc.manualPencilMarks));
    line(out, "-", "language", plainNumber(pc.wLanguage));
    line(out, "-", "nscells", paddedNumber(n * n));
    for (int b = 0; b < n * n; ++b) {
        const scell& cell = grid.getcellBigindex(b);
        out += "=,";
        out += paddedNumber(b);
        out += ',';
        out += plainNumber(cell.Trying);
        out += ',';
        out += flag(cell.Sure);
        out += ',';
        out += flag(cell.Original);
        out += ',';
        out += flag(cell.Entered);
        for (int k = 1; k <= n; ++k) {
            out += ',';
            out += paddedNumber(cell.getPossibility(k - 1) ? k : 0);
        }
        out += kLineEnd;
    }
    line(out, "+", "Done", dateTime);
    return out;
}

}  // namespace velmora
