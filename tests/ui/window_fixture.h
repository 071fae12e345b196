// A main window for the window suites: message boxes are answered and recorded instead of shown,
// the user's data folder is the test one, and the grid is read and typed into as a user would.
#pragma once

#include <QApplication>
#include <QStandardPaths>
#include <QString>
#include <QStringList>
#include <QTest>
#include <string>

#include "commands/workbench.h"
#include "entry_grid.h"
#include "main_form.h"
#include "message_box_port.h"

namespace velmora::ui::test {

inline void prepareApplication() {
    QApplication::setStyle("Fusion");
    // Nothing a suite does may reach the real user's files.
    QStandardPaths::setTestModeEnabled(true);
}

struct Window {
    MainForm form{7};
    QStringList boxes;
    bool answer = true;

    Window() {
        form.messageBoxes().setAnswerer([this](MessageBoxPort::Kind, const QString& text) {
            boxes << text;
            return answer;
        });
        form.show();
        form.activateWindow();
        QApplication::setActiveWindow(&form);
        (void)QTest::qWaitForWindowActive(&form);
    }

    Workbench& wb() { return form.workbench(); }
    EntryGrid& grid() { return form.entryGrid(); }
    // The grid as a puzzle string, '.' for an open cell.
    std::string gridText() {
        std::string text;
        for (const scell& c : wb().theCells().cells())
            text += c.Sure ? wb().pc().elementChar(c.Trying) : '.';
        return text;
    }
    void typeAt(int r, int c, const QString& keys) {
        grid().setCursor({r, c});
        QTest::keyClicks(&grid(), keys);
    }
};

}  // namespace velmora::ui::test
