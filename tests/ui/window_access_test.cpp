// What a screen reader reads of the window: every control named in the window's language, and
// each grid cell by its place and contents, kept current as the grid changes.
#include <QAbstractButton>
#include <QAccessible>
#include <QAccessibleTableInterface>
#include <QComboBox>

#include "form_harness.h"

namespace velmora::ui::test {

namespace {

QString nameOf(QObject* o) {
    QAccessibleInterface* a = QAccessible::queryAccessibleInterface(o);
    return a ? a->text(QAccessible::Name) : QString();
}

QString cellName(EntryGrid& grid, int r, int c) {
    QAccessibleInterface* table = QAccessible::queryAccessibleInterface(&grid);
    if (!table || !table->tableInterface()) return {};
    QAccessibleInterface* cell = table->tableInterface()->cellAt(r, c);
    return cell ? cell->text(QAccessible::Name) : QString();
}

}  // namespace

class WindowAccessTest : public QObject {
    Q_OBJECT
  private slots:
    void initTestCase() {
        prepareApplication();
        // As with a screen reader listening: views tell it of every change.
        QAccessible::setActive(true);
    }

    void checkBoxesAreNamedByTheirCaptionsInEachLanguage() {
        FormHarness w;
        QWidget* pencil = w.form.findChild<QWidget*>("ckbScribbleArea");
        QCOMPARE(nameOf(pencil), QString("Show Pencil Marks"));
        QCOMPARE(nameOf(w.form.findChild<QWidget*>("hsDifficulty")), QString("Difficulty"));
        QCOMPARE(nameOf(w.form.findChild<QWidget*>("tbSingles")), QString("Singles"));
        w.form.languageList().setCurrentIndex(1);
        QCOMPARE(nameOf(pencil), QString("Zeigt die Hilfszahlen"));
        QCOMPARE(nameOf(&w.grid()), QString("Sudoku-Gitter"));
        w.form.languageList().setCurrentIndex(2);
        QCOMPARE(nameOf(pencil), QString("Crayon"));
    }

    void everyControlTabReachesHasAName() {
        FormHarness w;
        for (QWidget* widget : w.form.findChildren<QWidget*>()) {
            if (widget->focusPolicy() & Qt::TabFocus && widget->isVisibleTo(&w.form) &&
                widget->objectName() != "qt_spinbox_lineedit")
                QVERIFY2(!nameOf(widget).isEmpty(), qPrintable(widget->objectName()));
        }
    }

    void aCellSaysItsPlaceAndContentsAsTheyChange() {
        FormHarness w;
        QCOMPARE(cellName(w.grid(), 2, 6), QString("r3c7: empty"));
        w.typeAt(2, 6, "5");
        QCOMPARE(cellName(w.grid(), 2, 6), QString("r3c7: 5, given"));
        w.form.findChild<QAbstractButton*>("ckbScribbleArea")->click();
        QCOMPARE(cellName(w.grid(), 2, 7), QString("r3c8: candidates 1 2 3 4 6 7 8 9"));
        w.form.languageList().setCurrentIndex(1);
        QCOMPARE(cellName(w.grid(), 2, 6), QString("Z3S7: 5, Vorgabe"));
    }
};

}  // namespace velmora::ui::test

QTEST_MAIN(velmora::ui::test::WindowAccessTest)
#include "window_access_test.moc"
