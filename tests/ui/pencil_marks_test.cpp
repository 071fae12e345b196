// The pencil-mark editor over the grid and the boxes that govern the candidates.
#include <QCheckBox>
#include <QTest>

#include "command_column.h"
#include "entry_grid.h"
#include "form_harness.h"
#include "history/form_control.h"
#include "pencil_mark_box.h"

namespace velmora::ui::test {

namespace {

const QString kInvalidX = "X:is not a valid character for this puzzle";
const QString kDeleteEntry = "If you edit pencilmarks you will delete this entry - ok?";

// Givens that leave cell (0, 0) the candidates 2, 5 and 8: 1, 3 and 4 in its row, 6 and 7 in
// its column, 9 in its box. Manual pencil marks are then ticked, keeping the computed marks.
void prepare258(FormHarness& h) {
    h.activate();
    h.typeAt(0, 3, "134");
    h.typeAt(3, 0, "6");
    h.typeAt(4, 0, "7");
    h.typeAt(1, 1, "9");
    h.click(h.column().ckbScribbleArea);
    h.answer = false;
    h.click(h.column().ckbmanualpencilmarks);
    h.answer = true;
    h.boxes.clear();
    QCOMPARE(h.text(0, 0), QString("2 5 8"));
}

}  // namespace

class PencilMarksTest : public QObject {
    Q_OBJECT
  private slots:
    void initTestCase() { prepareApplication(); }

    void doubleClickWithManualMarksOffOnlyShowsMessage17() {
        FormHarness h;
        h.activate();
        h.doubleClickCell(2, 2);
        QCOMPARE(h.takeBoxTexts(),
                 QStringList{"If you are sure you want to manually control pencil marks- please "
                             "tick that box"});
        QVERIFY(!h.form.pencilMarkBox().isVisible());
    }

    void editorOpensOverTheCellDressedLikeItAndTypingAddsACandidate() {
        FormHarness h;
        prepare258(h);
        h.doubleClickCell(0, 0);
        PencilMarkBox& box = h.form.pencilMarkBox();
        QVERIFY(box.isVisible());
        QVERIFY(box.hasFocus());
        QCOMPARE(box.text(), QString("258"));
        // Exactly over the cell as drawn, its grid lines left visible.
        const QRect cell(h.grid().columnViewportPosition(0), h.grid().rowViewportPosition(0),
                         h.grid().columnWidth(0) - 1, h.grid().rowHeight(0) - 1);
        const QPoint cellInWindow = h.grid().viewport()->mapTo(&h.form, cell.topLeft());
        QCOMPARE(QRect(box.mapTo(&h.form, QPoint(0, 0)), box.size()),
                 QRect(cellInWindow, cell.size()));
        QCOMPARE(box.palette().color(QPalette::Base), QColor(200, 240, 240));
        QCOMPARE(box.palette().color(QPalette::Text), QColor(128, 128, 168));
        QCOMPARE(box.font().family(), QString("tahoma"));
        QCOMPARE(box.font().pointSizeF(), 8.0);

        box.end(false);
        QTest::keyClicks(&box, "9");
        QTest::keyClick(&box, Qt::Key_Return);
        QVERIFY(!box.isVisible());
        QVERIFY(h.grid().hasFocus());
        QCOMPARE(h.text(0, 0), QString("2 5 8 9"));
        QCOMPARE(h.cell(0, 0).countPossibilities, 4);
        QVERIFY(h.takeBoxTexts().isEmpty());
    }

    void anInvalidCharacterKeepsTheEditorOpen() {
        FormHarness h;
        prepare258(h);
        h.doubleClickCell(0, 0);
        PencilMarkBox& box = h.form.pencilMarkBox();
        box.end(false);
        QTest::keyClicks(&box, "x");
        QTest::keyClick(&box, Qt::Key_Return);
        QCOMPARE(h.takeBoxTexts(), QStringList{kInvalidX});
        QVERIFY(box.isVisible() && box.hasFocus());
        QCOMPARE(box.text(), QString("258x"));
        QCOMPARE(h.text(0, 0), QString("2 5 8"));
        // Leaving for another control is refused the same way.
        h.grid().setFocus(Qt::MouseFocusReason);
        QCOMPARE(h.takeBoxTexts(), QStringList{kInvalidX});
        QVERIFY(box.isVisible() && box.hasFocus());
        // Corrected, the text goes in.
        QTest::keyClick(&box, Qt::Key_Backspace);
        QTest::keyClick(&box, Qt::Key_Return);
        QVERIFY(!box.isVisible());
        QCOMPARE(h.text(0, 0), QString("2 5 8"));
    }

    void leavingTheEditorByAClickAppliesItsText() {
        FormHarness h;
        prepare258(h);
        h.doubleClickCell(0, 0);
        h.form.pencilMarkBox().setText("1 2");
        h.click(h.column().ckbTrial);
        QVERIFY(!h.form.pencilMarkBox().isVisible());
        QCOMPARE(h.text(0, 0), QString("1 2"));
        QVERIFY(h.column().ckbTrial->isChecked());
    }

    void aValueCellAsksFirstAndYesOpensWithItsValue() {
        FormHarness h;
        prepare258(h);
        const int undoEntries = h.wb().fControl().undoCount();
        h.answer = false;
        h.doubleClickCell(0, 3);
        QCOMPARE(h.takeBoxTexts(), QStringList{kDeleteEntry});
        QVERIFY(!h.form.pencilMarkBox().isVisible());
        QVERIFY(h.cell(0, 3).Sure);
        QCOMPARE(h.text(0, 3), QString("1"));
        QCOMPARE(h.wb().fControl().undoCount(), undoEntries);

        h.answer = true;
        h.doubleClickCell(0, 3);
        QCOMPARE(h.takeBoxTexts(), QStringList{kDeleteEntry});
        PencilMarkBox& box = h.form.pencilMarkBox();
        QVERIFY(box.isVisible());
        QCOMPARE(box.text(), QString("1"));
        QVERIFY(!h.cell(0, 3).Sure);
        // Escape applies the text too: the value's character is the only pencil mark.
        QTest::keyClick(&box, Qt::Key_Escape);
        QVERIFY(!box.isVisible());
        QVERIFY(h.grid().hasFocus());
        QVERIFY(!h.cell(0, 3).Sure);
        QCOMPARE(h.cell(0, 3).countPossibilities, 1);
        QCOMPARE(h.text(0, 3), QString("1"));
        QCOMPARE(h.font(0, 3).pointSizeF(), 8.0);
    }

    void oneUndoRestoresTheCellFromBeforeTheDoubleClick() {
        FormHarness h;
        prepare258(h);
        const int undoEntries = h.wb().fControl().undoCount();
        h.doubleClickCell(0, 3);
        PencilMarkBox& box = h.form.pencilMarkBox();
        box.setText("256");
        QTest::keyClick(&box, Qt::Key_Return);
        QCOMPARE(h.text(0, 3), QString("2 5 6"));
        QCOMPARE(h.wb().fControl().undoCount(), undoEntries + 1);
        h.click(h.column().cbUndo);
        QVERIFY(h.cell(0, 3).Sure && h.cell(0, 3).Original);
        QCOMPARE(h.text(0, 3), QString("1"));
        QCOMPARE(h.foreground(0, 3), QColor(0, 0, 0));
        QCOMPARE(h.wb().fControl().undoCount(), undoEntries);
    }

    void tickingManualMarksAndYesClearsThemAndLocksTheDisplay() {
        FormHarness h;
        h.activate();
        h.typeAt(0, 0, "5");
        CommandColumn& c = h.column();
        h.click(c.ckbmanualpencilmarks);
        QCOMPARE(h.takeBoxTexts(),
                 QStringList{"Shall I clear all computer generated pencil marks first ?"});
        QVERIFY(c.ckbScribbleArea->isChecked());
        QVERIFY(!c.ckbScribbleArea->isEnabled());
        QCOMPARE(h.text(0, 0), QString("5"));
        QCOMPARE(h.text(0, 1), QString());
        // No red for cells without marks while the marks are the user's.
        QCOMPARE(h.background(4, 1), QColor(255, 255, 255));
        h.click(c.ckbmanualpencilmarks);
        QVERIFY(c.ckbScribbleArea->isEnabled());
        QVERIFY(c.ckbScribbleArea->isChecked());
        QVERIFY(h.takeBoxTexts().isEmpty());
    }

    void simpleEliminationBoxRecomputesTheMarks() {
        FormHarness h;
        h.activate();
        h.click(h.column().ckbScribbleArea);
        h.typeGrid(loadSamples("logic-3x3.txt").at(0).puzzle);
        const auto marks = [&h] {
            int n = 0;
            for (int r = 0; r < 9; ++r)
                for (int c = 0; c < 9; ++c)
                    if (!h.cell(r, c).Sure) n += h.cell(r, c).countPossibilities;
            return n;
        };
        const int simple = marks();
        h.click(h.column().ckbExperimental);
        QVERIFY(h.wb().pc().Experimental);
        QVERIFY(marks() < simple);
        h.click(h.column().ckbExperimental);
        QCOMPARE(marks(), simple);
    }
};

}  // namespace velmora::ui::test

QTEST_MAIN(velmora::ui::test::PencilMarksTest)
#include "pencil_marks_test.moc"
