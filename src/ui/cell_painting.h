// How one cell of the entry grid is painted, shared by the screen (CellDelegate) and the printed
// page (GridPicture), so that paper shows exactly what the screen shows.
#pragma once

#include <QBrush>
#include <QColor>
#include <QFont>
#include <QString>

class QModelIndex;
class QPainter;
class QPalette;
class QRect;

namespace velmora::ui {

// What the grid control wrote into one cell, with the grid's own font and colours where it
// wrote nothing.
struct CellLook {
    QBrush background;
    QFont font;
    QColor textColour;
    int alignment = 0;  // Qt::Alignment flags
    QString text;
};

CellLook cellLookOf(const QModelIndex& index, const QFont& gridFont, const QPalette& palette);

// Fills `rect` with the cell's background and draws its text: a value in one line (wrapped when
// `wordWrap`, the grid's one wrap setting), a candidate list wrapped between its characters.
void paintCell(QPainter& painter, const QRect& rect, const CellLook& look, bool wordWrap);

}  // namespace velmora::ui
