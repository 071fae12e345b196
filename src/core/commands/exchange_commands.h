// Puzzles in and out of the window in the exchange formats: opening a file or a text (Load,
// Paste, a dropped file, the file named on the command line), and what Copy puts on the
// clipboard.
#pragma once

#include <filesystem>
#include <optional>
#include <string>
#include <string_view>

#include "formats/exchange_puzzle.h"

namespace velmora {

class Workbench;
class scells;

// The grid as an exchange puzzle: the givens (with `allValues`, every value the grid holds) and
// the candidates of the other cells as shown, or computed from the values when they are hidden.
ExchangePuzzle puzzleOf(const scells& grid, bool allValues);

// Makes `puzzle` the window's puzzle: its cells become givens, its candidates hand-kept pencil
// marks. On the grid's own size this is one undoable change; another size starts afresh, as
// Load does. Typed values count as the user's from then on.
void installExchangePuzzle(Workbench& wb, const ExchangePuzzle& puzzle);

// Reads `text` in any exchange format and installs its first puzzle. A 12x12 that does not say
// its boxes takes the window's when it is 12x12, else the user is asked. Text that holds no
// puzzle changes nothing and says why in a message box; then false.
bool openPuzzleText(Workbench& wb, std::string_view text,
                    std::optional<PuzzleFormat> hint = std::nullopt);

// Opens a file as Load does: a save file, or any exchange format (the extension helps).
bool openPuzzleFile(Workbench& wb, const std::filesystem::path& path);

// What Copy puts on the clipboard: the puzzle as one line (tagged where the shape needs it), and
// the pencil-mark grid of what the window shows.
struct ClipboardTexts {
    std::string line;
    std::string pencilMarks;
};
ClipboardTexts copyPuzzle(const Workbench& wb);

}  // namespace velmora
