// Typing a puzzle in and solving it by hand: colours, fonts, conflicts, the cursor, undo.
#include <QCheckBox>
#include <QPushButton>
#include <QSignalSpy>
#include <QTest>

#include "command_column.h"
#include "entry_grid.h"
#include "form_harness.h"
#include "history/form_control.h"

namespace velmora::ui::test {

namespace {

const QColor kViolet(230, 100, 240);
const QColor kBlack(0, 0, 0);
const QColor kBlue(0, 0, 255);

// Box 0 of a 9x9 grid is shaded, box 1 is not; boxes alternate.
QColor shadeOf(int r, int c) {
    return ((r / 3) * 3 + c / 3) % 2 == 0 ? QColor(200, 240, 240) : QColor(255, 255, 255);
}

}  // namespace

class EntryTest : public QObject {
    Q_OBJECT
  private slots:
    void initTestCase() { prepareApplication(); }

    void givensThenHandSolutionEndSolved() {
        FormHarness h;
        const SamplePuzzle s = loadSamples("singles-3x3.txt").at(0);
        h.click(h.column().cbEnterInitial);
        h.typeGrid(s.puzzle);
        QCOMPARE(h.gridText(), s.puzzle);
        QVERIFY(h.column().cbUndo->isEnabled());
        h.click(h.column().cbenterSolution);
        QVERIFY(!h.column().cbUndo->isEnabled());
        std::string rest;
        for (std::size_t i = 0; i < s.puzzle.size(); ++i)
            rest += s.puzzle[i] == '.' ? s.solution[i] : '.';
        h.typeGrid(rest);
        QCOMPARE(h.gridText(), s.solution);
        for (int r = 0; r < 9; ++r) {
            for (int c = 0; c < 9; ++c) {
                const bool given = s.puzzle[static_cast<std::size_t>(r * 9 + c)] != '.';
                QCOMPARE(h.background(r, c), shadeOf(r, c));
                QCOMPARE(h.foreground(r, c), given ? kBlack : kBlue);
                QCOMPARE(h.font(r, c).family(), QString(given ? "tahoma" : "Comic Sans MS"));
                QCOMPARE(h.font(r, c).pointSizeF(), 20.0);
                QCOMPARE(h.item(r, c)->textAlignment(), int{Qt::AlignCenter});
            }
        }
        // Each key ends with the outcome display, which resets panel 2; the next full redraw
        // announces the full grid.
        QCOMPARE(h.panel(2), QString("Ready .."));
        h.click(h.column().ckbScribbleArea);
        QCOMPARE(h.panel(2), QString("Solved- Well done!"));
    }

    void conflictsTurnVioletAndBack() {
        FormHarness h;
        h.typeAt(0, 0, "5");
        h.typeAt(0, 4, "5");
        h.typeAt(6, 6, "5");
        QCOMPARE(h.background(0, 0), kViolet);
        QCOMPARE(h.background(0, 4), kViolet);
        QCOMPARE(h.background(6, 6), shadeOf(6, 6));
        QCOMPARE(h.background(0, 8), shadeOf(0, 8));
        h.typeKeyAt(0, 4, Qt::Key_Backspace);
        QCOMPARE(h.text(0, 4), QString());
        QCOMPARE(h.background(0, 0), shadeOf(0, 0));
        QCOMPARE(h.background(0, 4), shadeOf(0, 4));
        // A conflict within a box, across rows and columns.
        h.typeAt(7, 7, "5");
        QCOMPARE(h.background(6, 6), kViolet);
        QCOMPARE(h.background(7, 7), kViolet);
    }

    void cursorMovesAtRowAndGridEnds() {
        FormHarness h;
        const auto cursorAt = [&h](int row, int col) {
            return h.grid().currentRow() == row && h.grid().currentColumn() == col;
        };
        h.typeAt(0, 0, "1");
        QVERIFY(cursorAt(0, 1));
        h.typeAt(3, 8, "2");
        QVERIFY(cursorAt(4, 0));
        h.typeAt(8, 8, "3");
        QVERIFY(cursorAt(8, 0));
        h.typeKeyAt(2, 5, Qt::Key_Return);
        QVERIFY(cursorAt(3, 0));
        h.typeKeyAt(8, 4, Qt::Key_Enter);
        QVERIFY(cursorAt(8, 0));
        h.typeKeyAt(5, 5, Qt::Key_Space);
        QVERIFY(cursorAt(5, 5));
        h.typeKeyAt(4, 4, Qt::Key_Down);  // arrows move as the table does by itself
        QVERIFY(cursorAt(5, 4));
    }

    void keysThatAreNoElementsBeepAndChangeNothing() {
        FormHarness h;
        QSignalSpy beeps(&h.grid(), &EntryGrid::beeped);
        h.typeAt(2, 2, "0Ax");
        h.typeKeyAt(2, 2, Qt::Key_Escape);
        QCOMPARE(beeps.count(), 4);
        QCOMPARE(h.text(2, 2), QString());
        QCOMPARE(h.grid().currentRow(), 2);
        QCOMPARE(h.grid().currentColumn(), 2);
        QVERIFY(!h.column().cbUndo->isEnabled());
        // The outcome display still runs after every key.
        QCOMPARE(h.panel(2), QString("Ready .."));
    }

    void undoAndRedoAcrossThreeCells() {
        FormHarness h;
        h.typeAt(0, 0, "1");
        h.typeAt(4, 4, "2");
        h.typeAt(8, 8, "3");
        QPushButton* undo = h.column().cbUndo;
        QPushButton* redo = h.column().cbRedo;
        QVERIFY(undo->isEnabled());
        QVERIFY(!redo->isEnabled());
        for (const int k : {8, 4, 0}) {  // the diagonal cells (k, k)
            h.click(undo);
            QCOMPARE(h.text(k, k), QString());
            QCOMPARE(h.grid().currentRow(), k);
            QCOMPARE(h.grid().currentColumn(), k);
            QVERIFY(redo->isEnabled());
        }
        QVERIFY(!undo->isEnabled());
        for (int i = 0; i < 3; ++i) {
            h.click(redo);
            QCOMPARE(h.text(4 * i, 4 * i), QString::number(i + 1));
            QCOMPARE(h.foreground(4 * i, 4 * i), kBlack);
        }
        QVERIFY(!redo->isEnabled());
        QVERIFY(undo->isEnabled());
    }

    void candidatesShowInSmallTypeAtTheTop() {
        FormHarness h;
        h.typeAt(0, 0, "5");
        h.click(h.column().ckbScribbleArea);
        QCOMPARE(h.text(0, 1), QString("1 2 3 4 6 7 8 9"));
        QCOMPARE(h.font(0, 1).pointSizeF(), 8.0);
        QCOMPARE(h.item(0, 1)->textAlignment(), int{Qt::AlignHCenter | Qt::AlignTop});
        QCOMPARE(h.foreground(0, 1), QColor(128, 128, 168));
        // With candidates shown every key redraws the whole grid.
        h.typeAt(1, 1, "4");
        QCOMPARE(h.text(0, 1), QString("1 2 3 6 7 8 9"));
        h.click(h.column().ckbScribbleArea);
        QCOMPARE(h.text(0, 1), QString());
    }
};

}  // namespace velmora::ui::test

QTEST_MAIN(velmora::ui::test::EntryTest)
#include "entry_test.moc"
