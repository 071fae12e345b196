// The window at start-up: every control with its name, caption, tool tip and state, the phase
// highlight, the status texts, and a layout where nothing overlaps or is cut off.
#include <QAbstractButton>
#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLayout>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSlider>
#include <QTest>

#include "command_column.h"
#include "elements_box.h"
#include "entry_grid.h"
#include "form_harness.h"
#include "history/form_control.h"
#include "named_controls_port.h"
#include "pencil_mark_box.h"
#include "phase_colours.h"
#include "size_frame.h"
#include "statistics_panel.h"
#include "status_panels.h"
#include "texts/language_tables.h"

namespace velmora::ui::test {

namespace {

// The start-up texts, which are not the English table's: they keep the window's own spelling.
const char* const kTexts[][3] = {
    {"cbGenerate", "Generate",
     "Use this to generate a new puzzle - any existing puzzle will be wiped"},
    {"cbEnterInitial", "Enter given numbers",
     "Use this button to enter the intial puzzle - for example from the newspaper"},
    {"cbReset", "Reset",
     "This will set the puzzle back to the intial numbers - losing the work you have done"},
    {"cbClear", "Clear",
     "This will clear the current grid - losing all work done on this puzzle including the "
     "initial numbers"},
    {"cbenterSolution", "Enter Solution", "Use this to enter your manual solution in the cells"},
    {"cbSolve", "Solve", "Will Solve the current puzzle"},
    {"cbUndo", "Undo", "Undo the last manual entry"},
    {"cbRedo", "Redo", "Redo the last Undo"},
    {"cbhint", "Hint", "If you are stuck this will reveal a possible answer"},
    {"cbPrint", "Print", "Print the Puzzle"},
    {"cbLoad", "Load", ""},
    {"cbSave", "Save", ""},
    {"cbExit", "Exit", "Exit the Program"},
    {"lbshowpencil", "Show Pencil Marks",
     "Ticking this box will reveal the possibilities for a particular cell"},
    {"lbsimple", "Simple Elimination only",
     "Normally I use complex rules to eliminate as many possibilities from the scribble area as "
     "possible. Tick this box for simple rules only"},
    {"lbManual", "Manual Pencil marks", "Double click on cell to enter your own pencil marks"},
    {"lbuseBrute", "Use brute force (not necessary for genuine Sudokus)",
     "True Sudokus only have 1 solution and can be solved by logic alone - this will solve "
     "non-genuine Sudokus"},
    {"lbDifficulty", "Difficulty", "Move the slider to increase difficulty of puzzle generated"},
    {"lbUsing", "Using",
     "Normally you wouldn't need to touch this - it is the characters to use in the puzzle"},
    {"lbGenerate", "Generate Puzzle", ""},
    {"lbSetup", "Set up Puzzle", ""},
    {"lbcandidates", "Candidates and Entry", ""},
    {"lbsolve", "Solve Puzzle", ""},
    {"lboops", "Oops!!", ""},
    {"lblanguage", "Language", ""},
    {"lbshowelims", "Show Pencil mark eliminations",
     "Reveal number of each time of complex eliminations"},
};

QRect inWindow(QWidget* w) {
    return QRect(w->mapTo(w->window(), QPoint(0, 0)), w->size());
}

// Every visible control lies inside the window and shows its whole caption.
void checkNothingCutOff(MainForm& form) {
    QCoreApplication::sendPostedEvents(nullptr, QEvent::LayoutRequest);
    form.layout()->activate();
    for (QWidget* w : form.findChildren<QWidget*>()) {
        if (!w->isVisibleTo(&form) || w->objectName().isEmpty()) continue;
        if (w->objectName().startsWith("qt_")) continue;
        QVERIFY2(form.rect().contains(inWindow(w)), qPrintable(w->objectName()));
        if (auto* b = qobject_cast<QAbstractButton*>(w))
            QVERIFY2(b->width() >= b->minimumSizeHint().width(), qPrintable(w->objectName()));
        if (auto* l = qobject_cast<QLabel*>(w); l && !l->wordWrap())
            QVERIFY2(l->width() >= l->fontMetrics().horizontalAdvance(l->text()),
                     qPrintable(w->objectName()));
    }
    const QRect grid = inWindow(&form.entryGrid());
    for (const char* other : {"commandColumn", "statisticsPanel", "cmbLanguage", "lblanguage"})
        QVERIFY2(!grid.intersects(inWindow(form.findChild<QWidget*>(other))), other);
    QVERIFY(!inWindow(form.findChild<QWidget*>("commandColumn"))
                 .intersects(inWindow(form.findChild<QWidget*>("statisticsPanel"))));
    QVERIFY(!inWindow(form.centralWidget()).intersects(inWindow(&form.statusPanels())));
    // The whole grid shows: its last cell lies inside the viewport.
    EntryGrid& g = form.entryGrid();
    const QRect last = g.visualItemRect(g.item(g.rowCount() - 1, g.columnCount() - 1));
    QVERIFY(g.viewport()->rect().contains(last));
}

}  // namespace

class WindowTest : public QObject {
    Q_OBJECT
  private slots:
    void initTestCase() { prepareApplication(); }

    void controlsHaveTheirNamesCaptionsAndToolTips() {
        FormHarness h;
        QCOMPARE(h.form.objectName(), QString("xSMainForm"));
        for (const auto& [name, caption, toolTip] : kTexts) {
            QWidget* w = h.form.findChild<QWidget*>(name);
            QVERIFY2(w, name);
            auto* b = qobject_cast<QAbstractButton*>(w);
            QCOMPARE(b ? b->text() : qobject_cast<QLabel*>(w)->text(), QString(caption));
            QCOMPARE(w->toolTip(), QString(toolTip));
        }
        for (const char* name :
             {"EntryGrid", "tbGridEntry", "sbBar", "tbVersion", "hsDifficulty", "frsize",
              "tbSelements", "cmbLanguage", "cbElimstats", "Line1", "Line6", "ckbScribbleArea",
              "ckbExperimental", "ckbmanualpencilmarks", "ckbTrial"})
            QVERIFY2(h.form.findChild<QWidget*>(name), name);
        QCOMPARE(h.form.findChild<QGroupBox*>("frsize")->title(), QString("Size"));
        QCOMPARE(h.form.findChild<QGroupBox*>("frsize")->toolTip(),
                 QString("Select size of puzzle"));
        const char* const sizes[] = {"3X3", "4x4", "2x2", "2x3", "3x4",
                                     "2x4", "2x5", "3x5", "2x6", "3x6"};
        for (int i = 0; i < SizeFrame::kOptions; ++i) {
            QCOMPARE(h.column().frsize->option(i)->objectName(), QString("optSize"));
            QCOMPARE(h.column().frsize->option(i)->text(), QString(sizes[i]));
        }
        QCOMPARE(h.column().frsize->option(3)->toolTip(), QString("Select for a 2x3 puzzle"));
        QCOMPARE(h.column().frsize->option(9)->toolTip(), QString("Select for a 3x3 puzzle"));
        QCOMPARE(h.form.languageList().toolTip(), QString("Choose your language"));
        QCOMPARE(h.form.statusPanels().panel(1)->toolTip(), QString("Current puzzle status"));
        QCOMPARE(h.form.statusPanels().panel(2)->toolTip(), QString("How Many times"));
    }

    void startUpState() {
        FormHarness h;
        CommandColumn& c = h.column();
        QCOMPARE(c.tbVersion->text(), QString("13-rc1-1"));
        const QComboBox& languages = h.form.languageList();
        QCOMPARE(languages.count(), 3);
        for (int i = 0; i < 3; ++i)
            QCOMPARE(languages.itemText(i), QStringList({"English", "German", "French"})[i]);
        QCOMPARE(h.panel(1), QString("Welcome to Sudoku Velmora"));
        QCOMPARE(h.panel(2), QString("Please \"generate\" or \"enter  intial\" "));
        QCOMPARE(h.panel(3), QString("Ready to start..."));
        QCOMPARE(buttonColour(c.cbGenerate), QColor(255, 192, 192));
        for (QPushButton* b : {c.cbEnterInitial, c.cbenterSolution, c.cbSolve, c.cbClear, c.cbExit})
            QCOMPARE(buttonColour(b), normalButtonColour());
        QVERIFY(!c.cbUndo->isEnabled());
        QVERIFY(!c.cbRedo->isEnabled());
        QVERIFY(!c.ckbScribbleArea->isChecked());
        QVERIFY(c.ckbExperimental->isChecked());
        QVERIFY(!c.ckbmanualpencilmarks->isChecked());
        QVERIFY(!c.ckbTrial->isChecked());
        QCOMPARE(c.hsDifficulty->minimum(), 0);
        QCOMPARE(c.hsDifficulty->maximum(), 100);
        QCOMPARE(c.hsDifficulty->value(), 0);
        QCOMPARE(c.frsize->selected(), 0);
        QCOMPARE(c.tbSelements->text(), QString("123456789"));
        QVERIFY(!h.form.statistics().statisticsBox()->isChecked());
        QVERIFY(!h.form.pencilMarkBox().isVisible());
        QCOMPARE(h.gridText(), std::string(81, '.'));
        QCOMPARE(h.grid().editTriggers(), QAbstractItemView::NoEditTriggers);
        // Cells of 32 points.
        QCOMPARE(h.grid().columnWidth(0), qRound(32.0 * h.grid().logicalDpiX() / 72.0));
        QCOMPARE(h.grid().rowHeight(8), qRound(32.0 * h.grid().logicalDpiY() / 72.0));
        QCOMPARE(h.grid().cellAreaWidth(), 9 * h.grid().columnWidth(0));
    }

    void nothingOverlapsAtAnySizeOrLanguage() {
        FormHarness h;
        h.form.statistics().statisticsBox()->setChecked(true);
        for (int language : {0, 1, 2}) {
            NamedControlsPort controls(h.form);
            applyLanguage(language, controls);
            for (int option = 0; option < SizeFrame::kOptions; ++option) {
                h.chooseSize(option);
                checkNothingCutOff(h.form);
                if (QTest::currentTestFailed())
                    return qWarning("language %d, size option %d", language, option);
            }
        }
    }

    void loadedOptionsShowWithoutRebuilding() {
        FormHarness h;
        h.typeAt(0, 0, "4");
        h.wb().fControl().Loading = true;
        LoadedOptions o;
        o.sizeOption = 3;
        o.language = 2;
        o.simpleEliminationOnly = false;
        o.bruteForce = true;
        o.showPencilMarks = true;
        h.wb().settings().showLoadedOptions(o);
        h.wb().fControl().Loading = false;
        CommandColumn& c = h.column();
        QCOMPARE(c.frsize->selected(), 3);
        QCOMPARE(h.wb().pc().sgValue, 3);
        QCOMPARE(h.form.languageList().currentIndex(), 2);
        QVERIFY(!c.ckbExperimental->isChecked());
        QVERIFY(c.ckbTrial->isChecked());
        QVERIFY(c.ckbScribbleArea->isChecked());
        QVERIFY(!c.ckbmanualpencilmarks->isChecked());
        QVERIFY(h.wb().settings().bruteForce());
        QCOMPARE(h.wb().settings().selectedSizeOption(), 3);
        // Loading redraws once at its end; until then the old grid stays.
        QCOMPARE(h.grid().rowCount(), 9);
        QCOMPARE(h.text(0, 0), QString("4"));
    }

    void exitClosesTheWindow() {
        FormHarness h;
        h.click(h.column().cbExit);
        QVERIFY(!h.form.isVisible());
    }
};

}  // namespace velmora::ui::test

QTEST_MAIN(velmora::ui::test::WindowTest)
#include "window_test.moc"
