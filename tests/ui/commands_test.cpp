// Solve, Generate and the window's behaviour while they run.
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
#include "model/workbench.h"
#include "phase_colours.h"
#include "status_panels.h"

namespace velmora::ui::test {

namespace {

const QColor kGreen(60, 150, 60);
const QColor kBlack(0, 0, 0);
const QColor kBlue(0, 0, 255);

QColor buttonColour(QPushButton* b) {
    return b->palette().color(QPalette::Button);
}

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

int countGivens(FormHarness& h) {
    int givens = 0;
    const scells& grid = h.form.workbench().theCells();
    for (int b = 0; b < grid.cellCount(); ++b) {
        const scell& cell = grid.getcellBigindex(b);
        if (cell.Sure && !cell.Original) return -1;
        if (cell.Original) ++givens;
    }
    return givens;
}

}  // namespace

class CommandsTest : public QObject {
    Q_OBJECT
  private slots:
    void initTestCase() { prepareApplication(); }

    void solveWithoutBruteForceStopsWhereLogicStops() {
        FormHarness h;
        const Sample s = loadSamples("guessing-3x3.txt").at(0);
        h.typeGrid(s.puzzle);
        h.click(h.column().cbSolve);
        QCOMPARE(h.panel(1),
                 QString("Multiple Solutions - use brute force or complex eliminations"));
        QCOMPARE(h.panel(3), QString("Try another.."));
        const std::string shown = h.gridText();
        QVERIFY(shown.find('.') != std::string::npos);
        for (std::size_t i = 0; i < shown.size(); ++i) {
            if (s.puzzle[i] != '.') QCOMPARE(shown[i], s.puzzle[i]);
            if (shown[i] != '.') QCOMPARE(shown[i], s.solution[i]);
        }
        QCOMPARE(buttonColour(h.column().cbEnterInitial), phaseHighlightColour());
        QCOMPARE(buttonColour(h.column().cbSolve), normalButtonColour());
        QVERIFY(!h.column().cbUndo->isEnabled());
    }

    void solveWithBruteForceSolves() {
        FormHarness h;
        const Sample s = loadSamples("guessing-3x3.txt").at(1);
        h.typeGrid(s.puzzle);
        h.click(h.column().ckbTrial);
        h.click(h.column().cbSolve);
        QCOMPARE(h.panel(1), QString("Solved!!"));
        QCOMPARE(h.gridText(), s.solution);
        for (int b = 0; b < 81; ++b) {
            const int r = b / 9;
            const int c = b % 9;
            QCOMPARE(h.foreground(r, c),
                     s.puzzle[static_cast<std::size_t>(b)] == '.' ? kGreen : kBlack);
        }
        // The solve replaced the grid; typing goes on into the new one.
        h.typeAt(0, 0, "5");
        QCOMPARE(h.text(0, 0), QString("5"));
    }

    void statusPanelsShowProgressWhileSolving() {
        FormHarness h;
        h.typeGrid(loadSamples("guessing-3x3.txt").at(2).puzzle);
        h.click(h.column().ckbTrial);
        QStringList seen;
        connect(&h.form.statusPanels(), &StatusPanels::panelTextChanged, this,
                [&seen](int panel, const QString& text) {
                    seen << QString("%1:%2").arg(panel).arg(text);
                });
        h.click(h.column().cbSolve);
        QVERIFY(seen.contains("1:Solving...."));
        QVERIFY(seen.contains("3:Thinking...."));
        QVERIFY(seen.indexOf("1:Solving....") < seen.indexOf("1:Solved!!"));
    }

    void generateAtBothEndsOfTheSlider() {
        for (int difficulty : {0, 100}) {
            FormHarness h(11 + static_cast<std::uint64_t>(difficulty));
            h.column().hsDifficulty->setValue(difficulty);
            h.typeAt(4, 4, "7");
            h.click(h.column().cbGenerate);
            const int givens = countGivens(h);
            QVERIFY2(givens >= (difficulty == 0 ? 33 : 24), qPrintable(QString::number(givens)));
            QVERIFY(givens < 81);
            QVERIFY(!h.form.workbench().fControl().Initial);
            QVERIFY(!h.column().cbUndo->isEnabled());
            QVERIFY(!h.column().cbRedo->isEnabled());
            QCOMPARE(buttonColour(h.column().cbenterSolution), phaseHighlightColour());
            QCOMPARE(buttonColour(h.column().cbGenerate), normalButtonColour());
            QCOMPARE(h.panel(1), QString("Try to solve this puzzle manually or click Solve"));
            QVERIFY(h.panel(2).startsWith("Found a genuine Sudoku!"));
            QCOMPARE(h.panel(3), QString("Now its your turn.."));
            // The user's values are now solution entries.
            int r = 0;
            int c = 0;
            while (!h.text(r, c).isEmpty()) {
                c = (c + 1) % 9;
                r += c == 0 ? 1 : 0;
            }
            h.typeAt(r, c, "1");
            QCOMPARE(h.foreground(r, c), kBlue);
        }
    }

    void generatedPuzzleIsSolvedByLogic() {
        FormHarness h(5);
        h.click(h.column().cbGenerate);
        h.click(h.column().cbSolve);
        QCOMPARE(h.panel(1), QString("Solved!!"));
        QVERIFY(h.gridText().find('.') == std::string::npos);
    }

    void inputGivenWhileSolvingIsDropped() {
        FormHarness h;
        const Sample s = loadSamples("guessing-3x3.txt").at(3);
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
        QCOMPARE(h.panel(1), QString("Solved!!"));
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
        const Sample s = loadSamples("singles-3x3.txt").at(1);
        h.typeGrid(s.puzzle);
        const std::string before = h.gridText();
        h.click(h.column().cbhint);
        const std::string after = h.gridText();
        int changed = 0;
        for (std::size_t i = 0; i < after.size(); ++i) {
            if (after[i] == before[i]) continue;
            ++changed;
            QCOMPARE(after[i], s.solution[i]);
            QCOMPARE(h.foreground(static_cast<int>(i) / 9, static_cast<int>(i) % 9), kGreen);
        }
        QCOMPARE(changed, 1);
    }

    void resetAndClear() {
        FormHarness h;
        const Sample s = loadSamples("singles-3x3.txt").at(0);
        h.typeGrid(s.puzzle);
        h.click(h.column().cbenterSolution);
        int r = 0;
        while (!h.text(r, 0).isEmpty())
            ++r;
        h.typeAt(r, 0, "1");
        h.click(h.column().cbReset);
        QCOMPARE(h.gridText(), s.puzzle);
        QCOMPARE(h.panel(3), QString("Now its your turn again..."));
        QVERIFY(!h.column().cbUndo->isEnabled());
        QCOMPARE(buttonColour(h.column().cbenterSolution), phaseHighlightColour());
        h.click(h.column().cbClear);
        QCOMPARE(h.gridText(), std::string(81, '.'));
        QCOMPARE(h.panel(1), QString("Puzzle cleared - enter, generate or load a new one"));
        QCOMPARE(buttonColour(h.column().cbEnterInitial), phaseHighlightColour());
    }
};

}  // namespace velmora::ui::test

QTEST_MAIN(velmora::ui::test::CommandsTest)
#include "commands_test.moc"
