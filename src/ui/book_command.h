// The "Puzzle book..." button: the book dialog, a save dialog for the PDF, then the book made
// and written with progress; the outcome in a message box.
#pragma once

class QWidget;

namespace velmora {
class Workbench;
}

namespace velmora::ui {

struct BookChoice;

// The dialog's start: the window's shape, difficulty, technique switches, element characters
// and language, the locale's paper and twelve puzzles.
BookChoice windowBookChoice(Workbench& wb);

void makePuzzleBook(QWidget* parent, Workbench& wb);

}  // namespace velmora::ui
