#include "commands/pencil_mark_commands.h"

#include <vector>

#include "commands/workbench.h"
#include "display/element_characters.h"
#include "model/latin1.h"
#include "texts/messages.h"

namespace velmora {

std::optional<PencilMarkEditorLook> EntryGrid_DblClick(Workbench& wb, int row, int col) {
    PuzzleControl& pc = wb.pc();
    if (!pc.manualPencilMarks) {
        wb.messages().information(getMessage(MessageId::TickManualFirst, pc.wLanguage));
        return std::nullopt;
    }
    if (row < 0 || col < 0 || row >= pc.theCells->dim() || col >= pc.theCells->dim())
        return std::nullopt;
    scell& cell = pc.theCells->getCell(row, col);
    // While the solution is entered the givens stand, as they do against typed keys.
    if (cell.Sure && cell.Original && !wb.fControl().Initial) {
        wb.gControl().beep();
        return std::nullopt;
    }
    if (cell.Sure && !wb.messages().question(getMessage(MessageId::EditDeletesEntry, pc.wLanguage)))
        return std::nullopt;

    PencilMarkEditorLook look;
    // The cell's own shade, whatever its state would colour it otherwise.
    look.back = cell.evenSquare() ? pc.cBackevenValidSquare : pc.cBackoddValidSquare;
    look.fore = pc.cComputerMaybeIndex;
    look.fontName = pc.cMaybeFontName;
    look.fontSize = pc.cMaybeFontSize;
    // Recorded before anything changes, so one Undo brings the value back.
    cell.scPush();
    std::string text;
    if (cell.Sure) {
        text = std::string(1, pc.elementChar(cell.Trying));
        cell.Sure = false;
        cell.Original = false;
        cell.Entered = false;
    } else {
        for (int k = 1; k <= pc.nDim; ++k)
            if (cell.getPossibility(k - 1)) text += pc.elementChar(k);
    }
    look.text = latin1ToUtf8(text);
    return look;
}

bool applyPencilMarkText(Workbench& wb, int row, int col, std::string_view text) {
    PuzzleControl& pc = wb.pc();
    const int n = pc.nDim;
    std::vector<bool> marked(static_cast<std::size_t>(n) + 1, false);
    for (const Utf8Character& c : utf8Characters(text)) {
        if (c.bytes == " ") continue;
        const char upper = upperLatin1(static_cast<char>(c.latin1));
        const std::size_t p = c.latin1 >= 0 ? pc.sElements.find(upper) : std::string::npos;
        if (p == std::string::npos) {
            const std::string shown =
                c.latin1 >= 0 ? latin1ToUtf8(std::string(1, upper)) : std::string(c.bytes);
            wb.messages().information(shown + ":" +
                                      getMessage(MessageId::NotValidCharacter, pc.wLanguage));
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

bool togglePencilMark(Workbench& wb, int row, int col, int keyAscii) {
    PuzzleControl& pc = wb.pc();
    if (!pc.manualPencilMarks) {
        wb.messages().information(getMessage(MessageId::TickManualFirst, pc.wLanguage));
        return false;
    }
    const int element = elementOfKey(pc.sElements, pc.nDim, keyAscii);
    const int n = pc.theCells->dim();
    if (element == 0 || row < 0 || col < 0 || row >= n || col >= n ||
        pc.theCells->getCell(row, col).Sure) {
        wb.gControl().beep();
        return false;
    }
    scell& cell = pc.theCells->getCell(row, col);
    FormControl& history = wb.fControl();
    history.beginGroup();
    cell.scPush();
    if (cell.getPossibility(element - 1)) {
        cell.clearPossibility(element - 1);
    } else {
        cell.putPossibility(element - 1);
    }
    history.endGroup();
    wb.gControl().bUnloadGrid();
    return true;
}

}  // namespace velmora
