// Printing the grid (gPrint): one page that carries the grid picture at its size on screen,
// 1000 twips (1000/1440 inch) right of and below the top left corner of the printable area.
#pragma once

#include <QString>

class QPainter;
class QPrinter;
class QWidget;

namespace velmora {
class Workbench;
}

namespace velmora::ui {

class EntryGrid;

inline constexpr double kPrintMarginTwips = 1000;
inline constexpr double kTwipsPerInch = 1440;

// Paints the page on `painter`, whose device has the grid's resolution (one unit per pixel).
void paintGridPage(QPainter& painter, const EntryGrid& grid);

// Prints the page on `printer`, switched to the grid's resolution first. False when the printer
// could not start or finish the page.
bool printGrid(QPrinter& printer, const EntryGrid& grid);

// What a failed print says, in the status messages' language (German for 1, else English).
QString printFailedMessage(int language);

// Prints the page on `printer` and says so in a message box when that fails.
bool printOrReport(QPrinter& printer, const EntryGrid& grid, Workbench& wb);

// The Print button: the printer dialog, then the page. Cancel prints nothing and says nothing.
void gPrint(QWidget* parent, const EntryGrid& grid, Workbench& wb);

}  // namespace velmora::ui
