#include "form_harness.h"

#include <QApplication>
#include <QPushButton>
#include <QRadioButton>
#include <QStandardPaths>
#include <QTest>
#include <QTimer>

#include "message_box_port.h"
#include "size_frame.h"
#include "status_panels.h"

namespace velmora::ui::test {

void prepareApplication() {
    QApplication::setStyle("Fusion");
    QStandardPaths::setTestModeEnabled(true);
}

FormHarness::FormHarness(std::uint64_t seed) : form(seed) {
    form.messageBoxes().setAnswerer([this](MessageBoxPort::Kind, const QString& text) {
        boxes << text;
        return answer;
    });
    form.show();
    form.activateWindow();
    if (!QTest::qWaitForWindowActive(&form)) qWarning("the window did not become active");
    grid().setFocus();
}

QString FormHarness::panel(int n) {
    return form.findChild<StatusPanels*>()->panelText(n);
}

void FormHarness::click(QAbstractButton* button) {
    // Check boxes and option buttons take clicks on their indicator.
    const bool push = qobject_cast<QPushButton*>(button) != nullptr;
    QTest::mouseClick(button, Qt::LeftButton, Qt::NoModifier,
                      push ? button->rect().center() : QPoint(6, button->height() / 2));
}

void FormHarness::typeAt(int r, int c, const QString& keys) {
    grid().setCursor({r, c});
    QTest::keyClicks(&grid(), keys);
}

void FormHarness::typeGrid(const std::string& cells) {
    const int n = grid().gridModel().rowCount();
    for (int r = 0; r < n; ++r) {
        grid().setCursor({r, 0});
        for (int c = 0; c < n; ++c) {
            const char ch = cells.at(static_cast<std::size_t>(r * n + c));
            if (ch == '.') {
                QTest::keyClick(&grid(), Qt::Key_Right);
            } else {
                QTest::keyClicks(&grid(), QString(QChar(ch)));
            }
        }
    }
}

std::string FormHarness::gridText() {
    std::string out;
    const int n = grid().gridModel().rowCount();
    for (int b = 0; b < n * n; ++b) {
        const CellView& v = view(b / n, b % n);
        out += v.text.empty() || v.candidates != 0 ? '.' : v.text[0];
    }
    return out;
}

void FormHarness::doubleClickCell(int r, int c) {
    const QPoint at = grid().visualRect(grid().model()->index(r, c)).center();
    QTest::mouseClick(grid().viewport(), Qt::LeftButton, Qt::NoModifier, at);
    QTest::mouseDClick(grid().viewport(), Qt::LeftButton, Qt::NoModifier, at);
}

void whenDialogOpens(std::function<void(QDialog&)> handle) {
    QTimer::singleShot(0, [handle] {
        if (auto* dialog = qobject_cast<QDialog*>(QApplication::activeModalWidget())) {
            handle(*dialog);
        } else {
            whenDialogOpens(handle);  // not shown yet
        }
    });
}

}  // namespace velmora::ui::test
