// A main window for the window tests: message boxes are answered and recorded here, the grid is
// read from its model and typed into through the widget, and buttons are clicked with the mouse,
// as a user would.
#pragma once

#include <QAbstractButton>
#include <QComboBox>
#include <QDialog>
#include <QPushButton>
#include <QRadioButton>
#include <QStringList>
#include <functional>
#include <string>

#include "bench.h"
#include "command_column.h"
#include "elements_box.h"
#include "entry_grid.h"
#include "grid_model.h"
#include "main_form.h"
#include "size_frame.h"

namespace velmora::ui::test {

using velmora::test::loadSamples;

// The look every test runs with, and QStandardPaths' test folders.
void prepareApplication();

struct FormHarness {
    explicit FormHarness(std::uint64_t seed = 7);

    MainForm form;
    QStringList boxes;   // the texts of every message box shown, in order
    bool answer = true;  // to every question

    Workbench& wb() { return form.workbench(); }
    EntryGrid& grid() { return form.entryGrid(); }
    CommandColumn& column() { return form.commands(); }
    const CellView& view(int r, int c) { return grid().gridModel().cell(r, c); }
    QString text(int r, int c) { return QString::fromStdString(view(r, c).text); }
    QString panel(int n);
    void click(QAbstractButton* button);
    // Keys typed at (r, c); "\r", "\b" and "\x1b" are Enter, Backspace and Escape.
    void typeAt(int r, int c, const QString& keys);
    // Types a puzzle row by row, '.' passing over a cell with the Right arrow.
    void typeGrid(const std::string& cells);
    std::string gridText();  // '.' for a cell without a value
    void chooseSize(int index) { click(column().frsize->option(index)); }
    // A real double click in the middle of cell (r, c), the window active first.
    void doubleClickCell(int r, int c);
};

// Runs `handle` on the next modal dialog once it is shown.
void whenDialogOpens(std::function<void(QDialog&)> handle);

}  // namespace velmora::ui::test
