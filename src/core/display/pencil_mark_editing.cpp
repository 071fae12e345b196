#include "display/pencil_mark_editing.h"

#include <algorithm>
#include <vector>

#include "model/workbench.h"
#include "texts/messages.h"

namespace velmora {

namespace {

constexpr int kNotAnElement = 2;
constexpr int kTickManualFirst = 17;
constexpr int kEditDeletesEntry = 18;

// The length of the UTF-8 sequence that starts with `lead`; a stray byte counts alone.
std::size_t sequenceLength(unsigned char lead) {
    if (lead >= 0xf0 && lead < 0xf8) return 4;
    if (lead >= 0xe0) return lead < 0xf0 ? 3 : 1;
    if (lead >= 0xc0) return 2;
    return 1;
}

char upperAscii(char ch) {
    return (ch >= 'a' && ch <= 'z') ? static_cast<char>(ch - 'a' + 'A') : ch;
}

}  // namespace

std::optional<PencilMarkEditorLook> EntryGrid_DblClick(Workbench& wb, int row, int col) {
    PuzzleControl& pc = wb.pc();
    if (!pc.manualPencilMarks) {
        wb.messages().information(getMessage(kTickManualFirst, pc.wLanguage));
        return std::nullopt;
    }
    if (row < 0 || col < 0 || row >= pc.theCells->dim() || col >= pc.theCells->dim())
        return std::nullopt;
    scell& cell = pc.theCells->getCell(row, col);
    if (cell.Sure && !wb.messages().question(getMessage(kEditDeletesEntry, pc.wLanguage)))
        return std::nullopt;

    PencilMarkEditorLook look;
    // The cell's own shade, whatever its state would colour it otherwise.
    look.back = cell.evenSquare() ? pc.cBackevenValidSquare : pc.cBackoddValidSquare;
    look.fore = pc.cComputerMaybeIndex;
    look.fontName = pc.cMaybeFontName;
    look.fontSize = pc.cMaybeFontSize;
    // Recorded before anything changes, so one Undo brings the value back.
    cell.scPush();
    if (cell.Sure) {
        look.text = std::string(1, pc.elementChar(cell.Trying));
        cell.Sure = false;
        cell.Original = false;
        cell.Entered = false;
    } else {
        for (int k = 1; k <= pc.nDim; ++k)
            if (cell.getPossibility(k - 1)) look.text += pc.elementChar(k);
    }
    return look;
}

bool applyPencilMarkText(Workbench& wb, int row, int col, std::string_view text) {
    PuzzleControl& pc = wb.pc();
    const int n = pc.nDim;
    std::vector<bool> marked(static_cast<std::size_t>(n) + 1, false);
    for (std::size_t i = 0; i < text.size();) {
        const std::size_t length =
            std::min(sequenceLength(static_cast<unsigned char>(text[i])), text.size() - i);
        const std::string_view character = text.substr(i, length);
        i += length;
        if (character == " ") continue;
        const std::size_t p =
            length == 1 ? pc.sElements.find(upperAscii(character[0])) : std::string::npos;
        if (p == std::string::npos) {
            std::string shown(character);
            if (length == 1) shown[0] = upperAscii(shown[0]);
            wb.messages().information(shown + ":" + getMessage(kNotAnElement, pc.wLanguage));
            return false;
        }
        if (p < static_cast<std::size_t>(n)) marked[p + 1] = true;
    }
    if (row < 0 || col < 0 || row >= pc.theCells->dim() || col >= pc.theCells->dim()) return true;
    scell& cell = pc.theCells->getCell(row, col);
    for (int k = 1; k <= n; ++k) {
        if (marked[static_cast<std::size_t>(k)]) {
            cell.putPossibility(k - 1);
        } else {
            cell.clearPossibility(k - 1);
        }
    }
    wb.gControl().bUnloadGrid();
    return true;
}

}  // namespace velmora
