// Solve, Generate, Hint, Reset and Clear from the window, and the window while they run.
#include <QApplication>
#include <QCheckBox>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPushButton>
#include <QSlider>
#include <QTest>

#include "command_column.h"
#include "entry_grid.h"
#include "form_harness.h"
#include "history/form_control.h"
#include "phase_colours.h"
#include "status_panels.h"

namespace velmora::ui::test {

namespace {

const QColor kGreen(60, 150, 60);
const QColor kBlack(0, 0, 0);

// A click that waits in the event queue, as one given during a long command does.
void postClick(QWidget* w) {
    const QPointF at(w->width() / 2.0, w->height() / 2.0);
    const QPointF global = w->mapToGlobal(at);
    QCoreApplication::postEvent(w, new QMouseEvent(QEvent::MouseButtonPress, at, global,
                                                   Qt::LeftButton, Qt::LeftButton, Qt::NoModifier));
    QCoreApplication::postEvent(w, new QMouseEvent(QEvent::MouseButtonRelease, at, global,
                                                   Qt::LeftButton, Qt::NoButton, Qt::NoModifier));
}

void postKey(QWidget* w, Qt::Key key, const QString& text) {
    QCoreApplication::postEvent(w, new QKeyEvent(QEvent::KeyPress, key, Qt::NoModifier, text));
    QCoreApplication::postEvent(w, new QKeyEvent(QEvent::KeyRelease, key, Qt::NoModifier, text));
}

// Only `phase` of the four phase buttons is highlighted.
bool highlighted(CommandColumn& c, QPushButton* phase) {
    for (QPushButton* b : {c.cbGenerate, c.cbEnterInitial, c.cbenterSolution, c.cbSolve})
        if ((buttonColour(b) == phaseHighlightColour()) != (b == phase)) return false;
    return true;
}

}  // namespace

class CommandsTest : public QObject {
    Q_OBJECT
  private slots:
    void initTestCase() { prepareApplication(); }

    void solveWithoutBruteForceStopsWhereLogicStops() {
        FormHarness h;
        h.typeGrid(loadSamples("guessing-3x3.txt").at(0).puzzle);
        h.click(h.column().cbSolve);
        QCOMPARE(h.panel(1),
                 QString("Multiple Solutions - use brute force or complex eliminations"));
        QVERIFY(h.gridText().find('.') != std::string::npos);
        QVERIFY(highlighted(h.column(), h.column().cbEnterInitial));
        QVERIFY(!h.column().cbUndo->isEnabled());
    }

    void solveWithBruteForceShowsProgressAndTheSolversColour() {
        FormHarness h;
        const SamplePuzzle s = loadSamples("guessing-3x3.txt").at(1);
        h.typeGrid(s.puzzle);
        h.click(h.column().ckbTrial);
        QStringList seen;
        connect(&h.form.statusPanels(), &StatusPanels::panelTextChanged, this,
                [&seen](int panel, const QString& text) {
                    seen << QString("%1:%2").arg(panel).arg(text);
                });
        h.click(h.column().cbSolve);
        QVERIFY(seen.contains("3:Thinking...."));
        QVERIFY(seen.indexOf("1:Solving....") < seen.indexOf("1:Solved!!"));
        QCOMPARE(h.gridText(), s.solution);
        for (int b = 0; b < 81; ++b)
            QCOMPARE(h.foreground(b / 9, b % 9),
                     s.puzzle[static_cast<std::size_t>(b)] == '.' ? kGreen : kBlack);
        // The solve replaced the grid; typing goes on into the new one.
        h.typeAt(0, 0, "5");
        QCOMPARE(h.text(0, 0), QString("5"));
    }

    void generateTakesTheSliderAndLeavesTheUserToSolve() {
        FormHarness h(111);
        h.column().hsDifficulty->setValue(100);
        h.typeAt(4, 4, "7");
        h.click(h.column().cbGenerate);
        QCOMPARE(h.wb().pc().difficultyPercent, 100);
        QVERIFY(h.gridText().find('.') != std::string::npos);
        QVERIFY(!h.column().cbUndo->isEnabled());
        QVERIFY(!h.column().cbRedo->isEnabled());
        QVERIFY(highlighted(h.column(), h.column().cbenterSolution));
        QVERIFY(h.panel(2).startsWith("Found a genuine Sudoku!"));
        // The user's values are now solution entries.
        const auto open = static_cast<int>(h.gridText().find('.'));
        h.typeAt(open / 9, open % 9, "1");
        QCOMPARE(h.foreground(open / 9, open % 9), QColor(0, 0, 255));
    }

    void inputGivenWhileSolvingIsDropped() {
        FormHarness h;
        const SamplePuzzle s = loadSamples("guessing-3x3.txt").at(3);
        h.typeGrid(s.puzzle);
        h.click(h.column().ckbTrial);
        QPushButton* clear = h.column().cbClear;
        EntryGrid* grid = &h.grid();
        grid->setCurrentCell(0, 1);
        connect(&h.form.statusPanels(), &StatusPanels::panelTextChanged, this,
                [clear, grid](int panel, const QString& text) {
                    if (panel == 1 && text == "Solving....") {
                        postClick(clear);
                        postKey(grid, Qt::Key_Space, " ");
                    }
                });
        h.click(h.column().cbSolve);
        QCoreApplication::processEvents();
        QVERIFY(!h.form.busy());
        QCOMPARE(h.gridText(), s.solution);

        // The same input once the command has ended does take effect.
        disconnect(&h.form.statusPanels(), nullptr, this, nullptr);
        postKey(grid, Qt::Key_Space, " ");
        QCoreApplication::processEvents();
        QVERIFY(h.gridText() != s.solution);
        postClick(clear);
        QCoreApplication::processEvents();
        QCOMPARE(h.gridText(), std::string(81, '.'));
    }

    void hintFillsOneCellInTheSolversColour() {
        FormHarness h;
        const SamplePuzzle s = loadSamples("singles-3x3.txt").at(1);
        h.typeGrid(s.puzzle);
        h.click(h.column().cbhint);
        const std::string after = h.gridText();
        int changed = 0;
        for (std::size_t i = 0; i < after.size(); ++i) {
            if (after[i] == s.puzzle[i]) continue;
            ++changed;
            QCOMPARE(after[i], s.solution[i]);
            QCOMPARE(h.foreground(static_cast<int>(i) / 9, static_cast<int>(i) % 9), kGreen);
        }
        QCOMPARE(changed, 1);
    }

    void resetAndClear() {
        FormHarness h;
        const SamplePuzzle s = loadSamples("singles-3x3.txt").at(0);
        h.typeGrid(s.puzzle);
        h.click(h.column().cbenterSolution);
        const auto open = static_cast<int>(s.puzzle.find('.'));
        h.typeAt(open / 9, open % 9, "1");
        h.click(h.column().cbReset);
        QCOMPARE(h.gridText(), s.puzzle);
        QVERIFY(!h.column().cbUndo->isEnabled());
        QVERIFY(highlighted(h.column(), h.column().cbenterSolution));
        h.click(h.column().cbClear);
        QCOMPARE(h.gridText(), std::string(81, '.'));
        QVERIFY(highlighted(h.column(), h.column().cbEnterInitial));
    }
};

}  // namespace velmora::ui::test

QTEST_MAIN(velmora::ui::test::CommandsTest)
#include "commands_test.moc"
