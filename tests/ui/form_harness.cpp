#include "form_harness.h"

#include <QApplication>
#include <QComboBox>
#include <QRadioButton>
#include <QTest>

#include "command_column.h"
#include "entry_grid.h"
#include "size_frame.h"
#include "status_panels.h"

namespace velmora::ui::test {

void prepareApplication() {
    QApplication::setStyle("Fusion");
}

FormHarness::FormHarness(std::uint64_t seed) : form(seed) {
    form.messageBoxes().setAnswerer([this](MessageBoxPort::Kind kind, const QString& text) {
        boxes.emplace_back(kind, text);
        return answer;
    });
    form.show();
}

QTableWidgetItem* FormHarness::item(int r, int c) {
    return grid().item(r, c);
}

QString FormHarness::text(int r, int c) {
    return item(r, c)->text();
}

QColor FormHarness::background(int r, int c) {
    return item(r, c)->background().color();
}

QColor FormHarness::foreground(int r, int c) {
    return item(r, c)->foreground().color();
}

QFont FormHarness::font(int r, int c) {
    return item(r, c)->font();
}

QString FormHarness::panel(int n) {
    return form.statusPanels().panelText(n);
}

void FormHarness::click(QAbstractButton* button) {
    // Check boxes and option buttons take clicks on their indicator and caption only.
    const bool push = qobject_cast<QPushButton*>(button) != nullptr;
    const QPoint at = push ? button->rect().center() : QPoint(6, button->height() / 2);
    QTest::mouseClick(button, Qt::LeftButton, Qt::NoModifier, at);
}

void FormHarness::typeAt(int r, int c, const QString& keys) {
    grid().setCurrentCell(r, c);
    QTest::keyClicks(&grid(), keys);
}

void FormHarness::typeKeyAt(int r, int c, Qt::Key key) {
    grid().setCurrentCell(r, c);
    QTest::keyClick(&grid(), key);
}

void FormHarness::typeGrid(const std::string& cells) {
    const int n = grid().rowCount();
    for (int r = 0; r < n; ++r) {
        grid().setCurrentCell(r, 0);
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
    const int n = grid().rowCount();
    for (int r = 0; r < n; ++r) {
        for (int c = 0; c < n; ++c) {
            const QString t = text(r, c);
            out += t.size() == 1 ? t.at(0).toLatin1() : '.';
        }
    }
    return out;
}

void FormHarness::chooseSize(int index) {
    click(column().frsize->option(index));
}

void FormHarness::activate() {
    form.activateWindow();
    if (!QTest::qWaitForWindowActive(&form)) qWarning("the window did not become active");
    grid().setFocus();
}

void FormHarness::doubleClickCell(int r, int c) {
    const QPoint at = grid().visualItemRect(item(r, c)).center();
    QTest::mouseClick(grid().viewport(), Qt::LeftButton, Qt::NoModifier, at);
    QTest::mouseDClick(grid().viewport(), Qt::LeftButton, Qt::NoModifier, at);
}

void FormHarness::chooseLanguage(int index) {
    form.languageList().setCurrentIndex(index);
}

QStringList FormHarness::takeBoxTexts() {
    QStringList texts;
    for (const auto& box : boxes)
        texts << box.second;
    boxes.clear();
    return texts;
}

QColor buttonColour(QPushButton* button) {
    return button->palette().color(QPalette::Button);
}

}  // namespace velmora::ui::test
