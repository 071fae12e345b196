// The model side of the pencil-mark editor: what a double click on a cell opens, and how the
// edited text becomes the cell's candidates. The window places, dresses and shows the text box.
#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "model/puzzle_control.h"

namespace velmora {

class Workbench;

// The editor box as it opens: dressed like the cell it covers, in the candidate font.
struct PencilMarkEditorLook {
    std::string text;  // the cell's candidates, or its value, as element characters
    Colour back = 0;
    Colour fore = 0;
    std::string fontName;
    double fontSize = 0;

    bool operator==(const PencilMarkEditorLook&) const = default;
};

// A double click on the cell at (row, col). Nothing opens while manual pencil marks are off
// (message 17), on a given while the solution is entered (a beep), or when the user keeps the
// cell's value (message 18). Otherwise the cell is recorded for undo and loses its value, and
// the editor's look and text (UTF-8) are returned.
std::optional<PencilMarkEditorLook> EntryGrid_DblClick(Workbench& wb, int row, int col);

// Makes the candidates of the cell at (row, col) exactly the element characters of `text`
// (UTF-8; blanks are ignored, letters may be lower case) and redraws the grid. Returns false,
// after a message naming the character, when the text holds a character that is no element;
// the cell is then untouched.
bool applyPencilMarkText(Workbench& wb, int row, int col, std::string_view text);

// The pencil-mark key (a modifier and an element character, code `keyAscii`) on the cell at
// (row, col): with manual pencil marks on, that candidate comes or goes as one undoable change.
// With them off, message 17 as a double click shows; on a cell with a value, on a given while the
// solution is entered, or for a character that is no element, a beep. True when a mark changed.
bool togglePencilMark(Workbench& wb, int row, int col, int keyAscii);

}  // namespace velmora
