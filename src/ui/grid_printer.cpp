#include "grid_printer.h"

#include <QPainter>
#include <QPrintDialog>
#include <QPrinter>

#include "commands/workbench.h"
#include "entry_grid.h"
#include "grid_picture.h"

namespace velmora::ui {

void paintGridPage(QPainter& painter, const EntryGrid& grid) {
    const QPaintDevice* device = painter.device();
    painter.save();
    painter.translate(kPrintMarginTwips / kTwipsPerInch * device->logicalDpiX(),
                      kPrintMarginTwips / kTwipsPerInch * device->logicalDpiY());
    GridPicture(grid).paint(painter);
    painter.restore();
}

bool printGrid(QPrinter& printer, const EntryGrid& grid) {
    // One printer unit per screen pixel: the picture keeps its size on screen, and its text is
    // laid out with the screen's own font metrics, so the candidate lists wrap as they do there.
    printer.setResolution(grid.logicalDpiY());
    printer.setFullPage(false);
    QPainter painter;
    if (!painter.begin(&printer)) return false;
    paintGridPage(painter, grid);
    const bool ended = painter.end();
    return ended && printer.printerState() != QPrinter::Error;
}

QString printFailedMessage(int language) {
    if (language == 1)
        return "Leider konnte das Puzzle nicht gedruckt werden - der Drucker meldet einen Fehler";
    return "Sorry - the puzzle could not be printed - the printer reported an error";
}

bool printOrReport(QPrinter& printer, const EntryGrid& grid, Workbench& wb) {
    if (printGrid(printer, grid)) return true;
    // The user confirmed the dialog and must not believe the page came out.
    wb.messages().information(printFailedMessage(wb.pc().wLanguage).toStdString());
    return false;
}

void gPrint(QWidget* parent, const EntryGrid& grid, Workbench& wb) {
    QPrinter printer(QPrinter::HighResolution);
    QPrintDialog dialog(&printer, parent);
    if (dialog.exec() != QDialog::Accepted) return;
    printOrReport(printer, grid, wb);
}

}  // namespace velmora::ui
