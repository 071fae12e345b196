// The window by keyboard and screen reader alone: a whole puzzle typed in, every menu shortcut
// running its command, the highlight and pencil-mark keys, the Tab order, every control named in
// the window's language, and each grid cell by its place and contents as the grid changes.
#include <QAbstractButton>
#include <QAccessible>
#include <QAccessibleTableInterface>
#include <QAction>
#include <QLineEdit>
#include <QSignalSpy>

#include "display/grid_control.h"
#include "form_harness.h"
#include "history/form_control.h"
#include "window_menus.h"

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

QAbstractButton* buttonOf(MainForm& form, QAction* action) {
    for (QAbstractButton* b : form.findChildren<QAbstractButton*>())
        if (b->property("menuAction").value<QAction*>() == action) return b;
    return nullptr;
}

// Presses every shortcut of `name` in the grid; true when each ran the entry's command once.
bool shortcutsRun(FormHarness& w, const char* name) {
    QAction* action = w.form.menus().action(name);
    if (!action || action->shortcuts().isEmpty()) return false;
    QAbstractButton* button = buttonOf(w.form, action);
    std::unique_ptr<QSignalSpy> spy =
        button ? std::make_unique<QSignalSpy>(button, &QAbstractButton::clicked)
               : std::make_unique<QSignalSpy>(action, &QAction::triggered);
    for (const QKeySequence& keys : action->shortcuts()) {
        // A dialog that just closed hands the window its activation back.
        QApplication::setActiveWindow(&w.form);
        if (!QTest::qWaitForWindowActive(&w.form)) return false;
        w.grid().setFocus();
        QTest::keySequence(&w.grid(), keys);
    }
    return spy->count() == action->shortcuts().size();
}

}  // namespace

class WindowKeysTest : public QObject {
    Q_OBJECT
  private slots:
    void initTestCase() {
        prepareApplication();
        // As with a screen reader listening: views tell it of every change.
        QAccessible::setActive(true);
    }

    // Every control Tab reaches has a name; names and tool tips with their shortcuts follow the
    // window's language.
    void controlsAreNamedAndShowTheirShortcutsInEachLanguage() {
        FormHarness w;
        for (QWidget* widget : w.form.findChildren<QWidget*>()) {
            if (widget->focusPolicy() & Qt::TabFocus && widget->isVisibleTo(&w.form) &&
                widget->objectName() != "qt_spinbox_lineedit")
                QVERIFY2(!nameOf(widget).isEmpty(), qPrintable(widget->objectName()));
        }
        QWidget* pencil = w.form.findChild<QWidget*>("ckbScribbleArea");
        auto* undo = w.form.findChild<QWidget*>("cbUndo");
        auto* load = w.form.findChild<QWidget*>("cbLoad");
        QCOMPARE(nameOf(pencil), QString("Show Pencil Marks"));
        QCOMPARE(nameOf(w.form.findChild<QWidget*>("hsDifficulty")), QString("Difficulty"));
        QCOMPARE(nameOf(w.form.findChild<QWidget*>("tbSingles")), QString("Singles"));
        QCOMPARE(undo->toolTip(), QString("Undo the last manual entry (Ctrl+Z)"));
        QCOMPARE(load->toolTip(), QString("Load (Ctrl+O)"));
        w.form.languageList().setCurrentIndex(1);
        QCOMPARE(nameOf(pencil), QString("Zeigt die Hilfszahlen"));
        QCOMPARE(nameOf(&w.grid()), QString("Sudoku-Gitter"));
        QCOMPARE(undo->toolTip(), QString("Letzten Zug zuruecknehmen (Ctrl+Z)"));
        QCOMPARE(load->toolTip(), QString("Laden (Ctrl+O)"));
        QCOMPARE(w.form.menus().action("actLoad")->text(), QString("&Laden..."));
        w.form.languageList().setCurrentIndex(2);
        QCOMPARE(nameOf(pencil), QString("Crayon"));
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

    void aWholePuzzleTypesInByKeysAlone() {
        FormHarness w;
        w.grid().setFocus();
        QTest::keyClicks(&w.grid(), kPuzzle);
        QCOMPARE(QString::fromStdString(w.gridText()), kPuzzle);
        QTest::keyClick(&w.grid(), Qt::Key_Left);
        QCOMPARE(w.grid().cursor(), (GridCursor{7, 8}));  // from the bottom row's start
        QTest::keyClick(&w.grid(), Qt::Key_Home, Qt::ControlModifier);
        QCOMPARE(w.grid().cursor(), (GridCursor{0, 0}));
    }

    void everyShortcutRunsItsCommand() {
        FormHarness w;
        w.typeAt(0, 0, "123456789");
        QVERIFY(shortcutsRun(w, "actUndo"));
        QVERIFY(w.wb().fControl().redoCount() > 0);
        for (int i = 0; i < 4; ++i)
            QTest::keySequence(&w.grid(), QKeySequence::Undo);
        QVERIFY(shortcutsRun(w, "actRedo"));
        // Dialogs that the commands open are closed as soon as they show.
        QTimer closer;
        connect(&closer, &QTimer::timeout, [] {
            QWidget* modal = QApplication::activeModalWidget();
            if (modal && modal->objectName() != "busyBox") modal->close();
        });
        closer.start(50);
        for (const char* name :
             {"actLoad", "actSave", "actPrint", "actBook", "actCopy", "actPaste", "actGenerate",
              "actEnterInitial", "actEnterSolution", "actSolve", "actHint", "actExplain",
              "actCheck", "actHighlight", "actReset", "actClear", "actKeys"}) {
            QVERIFY2(shortcutsRun(w, name), name);
            if (QWidget* keys = w.form.findChild<QWidget*>("keysBox")) keys->close();
        }
        closer.stop();
        QSignalSpy exit(w.form.findChild<QAbstractButton*>("cbExit"), &QAbstractButton::clicked);
        QTest::keySequence(&w.grid(), QKeySequence(Qt::CTRL | Qt::Key_Q));
        QCOMPARE(exit.count(), 1);
        QVERIFY(!w.form.isVisible());
    }

    void ctrlHighlightsAndAltTogglesPencilMarks() {
        FormHarness w;
        w.typeAt(4, 4, "5");
        QTest::keyClick(&w.grid(), Qt::Key_5, Qt::ControlModifier);
        QCOMPARE(w.form.gridControl().highlightedDigit(), 5);
        QTest::keyClick(&w.grid(), Qt::Key_Escape);
        QCOMPARE(w.form.gridControl().highlightedDigit(), 0);
        QVERIFY2(w.gridText()[40] == '5', "highlighting changed nothing");
        w.answer = false;  // keep the computed marks
        w.form.findChild<QAbstractButton*>("ckbmanualpencilmarks")->click();
        w.grid().setCursor({0, 0});
        const std::uint32_t before = w.wb().theCells().getCell(0, 0).bPoss;
        QTest::keyClick(&w.grid(), Qt::Key_3, Qt::AltModifier);
        QCOMPARE(w.wb().theCells().getCell(0, 0).bPoss, before ^ candidateBit(2));
        QVERIFY(w.gridText()[0] == '.');
    }

    void tabGoesThroughTheControlsInReadingOrder() {
        FormHarness w;
        w.grid().setFocus();
        QStringList stops;
        for (int i = 0; i < 60; ++i) {
            QWidget* at = QApplication::focusWidget();
            QVERIFY(at);
            if (i > 0 && at == &w.grid()) break;
            stops << at->objectName();
            QVERIFY2(!qobject_cast<QLineEdit*>(at) || !qobject_cast<QLineEdit*>(at)->isReadOnly(),
                     qPrintable(at->objectName()));
            QTest::keyClick(at, Qt::Key_Tab);
        }
        const QStringList expected{"EntryGrid",       "cbGenerate",      "cbEnterInitial",
                                   "cbReset",         "cbClear",         "cbenterSolution",
                                   "cbSolve",         "cbhint",          "cbCheck",
                                   "cbExplain",       "cbPrint",         "cbBook",
                                   "cbLoad",          "cbSave",          "cbExit",
                                   "ckbScribbleArea", "ckbExperimental", "ckbmanualpencilmarks",
                                   "ckbTrial",        "cbElimstats",     "hsDifficulty",
                                   "tbSelements",     "optSize",         "cmbLanguage"};
        QCOMPARE(stops, expected);
    }
};

}  // namespace velmora::ui::test

QTEST_MAIN(velmora::ui::test::WindowKeysTest)
#include "window_keys_test.moc"
