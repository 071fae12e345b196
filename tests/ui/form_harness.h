// A main window for the UI tests: message boxes are answered here and recorded, and the grid is
// read and typed into through the widget, as a user would. The sample puzzles come from the core
// tests' support (velmora::test::loadSamples).
#pragma once

#include <QColor>
#include <QFont>
#include <QPushButton>
#include <QString>
#include <QStringList>
#include <string>
#include <utility>
#include <vector>

#include "main_form.h"
#include "message_box_port.h"
#include "model/workbench.h"
#include "support/puzzle_fixture.h"

class QTableWidgetItem;

namespace velmora::ui::test {

using velmora::test::loadSamples;
using velmora::test::SamplePuzzle;

// The look every test runs with.
void prepareApplication();

class FormHarness {
  public:
    explicit FormHarness(std::uint64_t seed = 7);

    MainForm form;
    // Every box shown, in order; questions get `answer`.
    std::vector<std::pair<MessageBoxPort::Kind, QString>> boxes;
    bool answer = true;

    Workbench& wb() { return form.workbench(); }
    scell& cell(int r, int c) { return wb().theCells().getCell(r, c); }
    EntryGrid& grid() { return form.entryGrid(); }
    CommandColumn& column() { return form.commands(); }
    QTableWidgetItem* item(int r, int c);
    QString text(int r, int c);
    QColor background(int r, int c);
    QColor foreground(int r, int c);
    QFont font(int r, int c);
    QString panel(int n);

    // A real mouse click on the button.
    void click(QAbstractButton* button);
    // Keys typed at (r, c).
    void typeAt(int r, int c, const QString& keys);
    void typeKeyAt(int r, int c, Qt::Key key);
    // Types a puzzle string row by row ('.' skips the cell with the Right arrow).
    void typeGrid(const std::string& cells);
    // The grid as text, '.' for an empty cell (candidates hidden).
    std::string gridText();
    // Selects size option `index` by clicking it.
    void chooseSize(int index);
    // Makes the window the active one, so that focus moves as it does for a user.
    void activate();
    // A real double click in the middle of cell (r, c).
    void doubleClickCell(int r, int c);
    // Picks `index` from the language list.
    void chooseLanguage(int index);
    // The texts of the boxes shown since the last call, and forgets them.
    QStringList takeBoxTexts();
};

// The colour a push button is painted in: the phase highlight or the normal colour.
QColor buttonColour(QPushButton* button);

}  // namespace velmora::ui::test
