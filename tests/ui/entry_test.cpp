// Typing a puzzle in and solving it by hand: colours, fonts, conflicts, the cursor, undo.
#include <QCheckBox>
#include <QFontInfo>
#include <QPushButton>
#include <QSignalSpy>
#include <QTest>

#include "command_column.h"
#include "entry_grid.h"
#include "form_harness.h"
#include "history/form_control.h"
#include "model/workbench.h"

namespace velmora::ui::test {

namespace {

const QColor kCyan(200, 240, 240);
const QColor kWhite(255, 255, 255);
const QColor kViolet(230, 100, 240);
const QColor kBlack(0, 0, 0);
const QColor kBlue(0, 0, 255);

// Box 0 of a 9x9 grid is shaded, box 1 is not; boxes alternate.
QColor shadeOf(int r, int c) {
    return ((r / 3) * 3 + c / 3) % 2 == 0 ? kCyan : kWhite;
}

}  // namespace

class EntryTest : public QObject {
    Q_OBJECT
  private slots:
    void initTestCase() { prepareApplication(); }

    void givensThenHandSolutionEndSolved() {
        FormHarness h;
        const Sample s = loadSamples("singles-3x3.txt").at(0);
        h.click(h.column().cbEnterInitial);
        h.typeGrid(s.puzzle);
        QCOMPARE(h.gridText(), s.puzzle);
        for (int r = 0; r < 9; ++r) {
            for (int c = 0; c < 9; ++c) {
                QCOMPARE(h.background(r, c), shadeOf(r, c));
                if (s.puzzle[static_cast<std::size_t>(r * 9 + c)] == '.') continue;
                QCOMPARE(h.foreground(r, c), kBlack);
                QCOMPARE(h.font(r, c).family(), QString("tahoma"));
                QCOMPARE(h.font(r, c).pointSizeF(), 20.0);
                QCOMPARE(h.item(r, c)->textAlignment(), int{Qt::AlignCenter});
            }
        }
        QVERIFY(h.column().cbUndo->isEnabled());

        h.click(h.column().cbenterSolution);
        QVERIFY(!h.column().cbUndo->isEnabled());
        QCOMPARE(h.panel(1), QString("Try to solve this puzzle manually or click Solve"));
        std::string rest;
        for (std::size_t i = 0; i < s.puzzle.size(); ++i)
            rest += s.puzzle[i] == '.' ? s.solution[i] : '.';
        h.typeGrid(rest);
        QCOMPARE(h.gridText(), s.solution);
        for (int r = 0; r < 9; ++r) {
            for (int c = 0; c < 9; ++c) {
                const bool given = s.puzzle[static_cast<std::size_t>(r * 9 + c)] != '.';
                QCOMPARE(h.foreground(r, c), given ? kBlack : kBlue);
                QCOMPARE(h.font(r, c).family(), QString(given ? "tahoma" : "Comic Sans MS"));
                QCOMPARE(h.background(r, c), shadeOf(r, c));
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
        EntryGrid& g = h.grid();
        h.typeAt(0, 0, "1");
        QCOMPARE(g.currentRow(), 0);
        QCOMPARE(g.currentColumn(), 1);
        h.typeAt(3, 8, "2");
        QCOMPARE(g.currentRow(), 4);
        QCOMPARE(g.currentColumn(), 0);
        h.typeAt(8, 8, "3");
        QCOMPARE(g.currentRow(), 8);
        QCOMPARE(g.currentColumn(), 0);
        h.typeKeyAt(2, 5, Qt::Key_Return);
        QCOMPARE(g.currentRow(), 3);
        QCOMPARE(g.currentColumn(), 0);
        h.typeKeyAt(8, 4, Qt::Key_Enter);
        QCOMPARE(g.currentRow(), 8);
        QCOMPARE(g.currentColumn(), 0);
        h.typeKeyAt(5, 5, Qt::Key_Space);
        QCOMPARE(g.currentRow(), 5);
        QCOMPARE(g.currentColumn(), 5);
        // Arrows move as the table does by itself.
        h.typeKeyAt(4, 4, Qt::Key_Down);
        QCOMPARE(g.currentRow(), 5);
        QCOMPARE(g.currentColumn(), 4);
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

        const int cells[3][2] = {{8, 8}, {4, 4}, {0, 0}};
        for (const auto& cell : cells) {
            h.click(undo);
            QCOMPARE(h.text(cell[0], cell[1]), QString());
            QCOMPARE(h.grid().currentRow(), cell[0]);
            QCOMPARE(h.grid().currentColumn(), cell[1]);
            QVERIFY(redo->isEnabled());
        }
        QVERIFY(!undo->isEnabled());
        QCOMPARE(h.form.workbench().fControl().redoCount(), 3);

        const char* values[3] = {"1", "2", "3"};
        for (int i = 2; i >= 0; --i) {
            h.click(redo);
            QCOMPARE(h.text(cells[i][0], cells[i][1]), QString(values[2 - i]));
            QCOMPARE(h.foreground(cells[i][0], cells[i][1]), kBlack);
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
