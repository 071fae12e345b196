// A main window for the window suites: message boxes are answered and recorded instead of shown,
// the grid is read from its model and typed into through the widget, and buttons are clicked
// with the mouse, as a user would.
#pragma once

#include <QApplication>
#include <QComboBox>
#include <QDialog>
#include <QPushButton>
#include <QRadioButton>
#include <QStandardPaths>
#include <QStringList>
#include <QTest>
#include <QTimer>
#include <functional>
#include <string>

#include "bench.h"
#include "command_column.h"
#include "elements_box.h"
#include "entry_grid.h"
#include "grid_model.h"
#include "main_form.h"
#include "message_box_port.h"
#include "size_frame.h"
#include "status_panels.h"

namespace velmora::ui::test {

using velmora::test::loadSamples;

// A newspaper 9x9 as typed in, '.' for a blank.
inline const QString kPuzzle =
    "53..7....6..195....98....6.8...6...34..8.3..17...2...6.6....28....419..5....8..79";

// The look every test runs with; nothing a suite does may reach the real user's files.
inline void prepareApplication() {
    QApplication::setStyle("Fusion");
    QStandardPaths::setTestModeEnabled(true);
}

struct FormHarness {
    explicit FormHarness(std::uint64_t seed = 7) : form(seed) {
        form.messageBoxes().setAnswerer([this](MessageBoxPort::Kind, const QString& text) {
            boxes << text;
            return answer;
        });
        form.show();
        form.activateWindow();
        QApplication::setActiveWindow(&form);
        if (!QTest::qWaitForWindowActive(&form)) qWarning("the window did not become active");
        grid().setFocus();
    }

    MainForm form;
    QStringList boxes;   // the texts of every message box shown, in order
    bool answer = true;  // to every question

    Workbench& wb() { return form.workbench(); }
    EntryGrid& grid() { return form.entryGrid(); }
    CommandColumn& column() { return form.commands(); }
    const CellView& view(int r, int c) { return grid().gridModel().cell(r, c); }
    QString text(int r, int c) { return QString::fromStdString(view(r, c).text); }
    QString panel(int n) { return form.statusPanels().panelText(n); }
    // Check boxes and option buttons take clicks on their indicator.
    void click(QAbstractButton* b) {
        const bool push = qobject_cast<QPushButton*>(b) != nullptr;
        QTest::mouseClick(b, Qt::LeftButton, {},
                          push ? b->rect().center() : QPoint(6, b->height() / 2));
    }
    // Keys typed at (r, c); "\r", "\b" and "\x1b" are Enter, Backspace and Escape.
    void typeAt(int r, int c, const QString& keys) {
        grid().setCursor({r, c});
        QTest::keyClicks(&grid(), keys);
    }
    // Types a puzzle row by row, '.' passing over a cell with the Right arrow.
    void typeGrid(const std::string& cells) {
        const int n = grid().gridModel().rowCount();
        for (int b = 0; b < n * n; ++b) {
            if (b % n == 0) grid().setCursor({b / n, 0});
            const char ch = cells.at(std::size_t(b));
            if (ch == '.') QTest::keyClick(&grid(), Qt::Key_Right);
            if (ch != '.') QTest::keyClicks(&grid(), QString(QChar(ch)));
        }
    }
    std::string gridText() {  // '.' for a cell without a value
        std::string out;
        const int n = grid().gridModel().rowCount();
        for (int b = 0; b < n * n; ++b) {
            const CellView& v = view(b / n, b % n);
            out += v.text.empty() || v.candidates != 0 ? '.' : v.text[0];
        }
        return out;
    }
    void chooseSize(int index) { click(column().frsize->option(index)); }
    // A real double click in the middle of cell (r, c).
    void doubleClickCell(int r, int c) {
        const QPoint at = grid().visualRect(grid().model()->index(r, c)).center();
        QTest::mouseClick(grid().viewport(), Qt::LeftButton, {}, at);
        QTest::mouseDClick(grid().viewport(), Qt::LeftButton, {}, at);
    }
};

// Runs `handle` on the next modal dialog once it is shown; gives up after five seconds without one.
inline void whenDialogOpens(std::function<void(QDialog&)> handle, int tries = 500) {
    QTimer::singleShot(10, [handle, tries] {
        if (auto* dialog = qobject_cast<QDialog*>(QApplication::activeModalWidget())) {
            handle(*dialog);
        } else if (tries > 0) {
            whenDialogOpens(handle, tries - 1);
        }
    });
}

}  // namespace velmora::ui::test
