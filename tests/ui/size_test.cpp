// Size options and element characters.
#include <QCheckBox>
#include <QLineEdit>
#include <QRadioButton>
#include <QTest>

#include "command_column.h"
#include "elements_box.h"
#include "entry_grid.h"
#include "form_harness.h"
#include "size_frame.h"

namespace velmora::ui::test {

namespace {

// Leaves the element box the way a user does: into it, then on to the grid.
void editElements(FormHarness& h, const QString& text) {
    h.activate();
    QLineEdit* box = h.column().tbSelements;
    box->setFocus(Qt::MouseFocusReason);
    box->setText(text);
    h.grid().setFocus(Qt::TabFocusReason);
}

}  // namespace

class SizeTest : public QObject {
    Q_OBJECT
  private slots:
    void initTestCase() { prepareApplication(); }

    void twoByThreeGivesAnEmptySixBySix() {
        FormHarness h;
        h.typeAt(0, 0, "9");
        h.chooseSize(3);
        QVERIFY(h.column().frsize->option(3)->isChecked());
        QCOMPARE(h.grid().rowCount(), 6);
        QCOMPARE(h.grid().columnCount(), 6);
        QCOMPARE(h.column().tbSelements->text(), QString("123456"));
        QCOMPARE(h.gridText(), std::string(36, '.'));
        QCOMPARE(h.grid().columnWidth(0), qRound(41.6 * h.grid().logicalDpiX() / 72.0));
        QCOMPARE(h.panel(1), QString("Puzzle cleared - enter, generate or load a new one"));
        h.typeAt(0, 0, "7");
        QCOMPARE(h.text(0, 0), QString());
        h.typeAt(0, 0, "6");
        QCOMPARE(h.text(0, 0), QString("6"));
        QCOMPARE(h.font(0, 0).pointSizeF(), 26.0);
        h.click(h.column().ckbScribbleArea);
        QCOMPARE(h.text(5, 5), QString("1 2 3 4 5 6"));
        QCOMPARE(h.font(5, 5).pointSizeF(), 12.0);
        // Boxes two rows high and three wide, shaded in turn from band to band.
        QCOMPARE(h.background(1, 2), QColor(200, 240, 240));
        QCOMPARE(h.background(1, 3), QColor(255, 255, 255));
        QCOMPARE(h.background(2, 2), QColor(255, 255, 255));
        QCOMPARE(h.background(2, 3), QColor(200, 240, 240));
    }

    void threeBySixTakesLettersAndZero() {
        FormHarness h;
        h.chooseSize(9);
        QCOMPARE(h.grid().rowCount(), 18);
        QCOMPARE(h.column().tbSelements->text(), QString("1234567890ABCDEFGH"));
        h.typeAt(17, 16, "h0");
        QCOMPARE(h.text(17, 16), QString("H"));
        QCOMPARE(h.text(17, 17), QString("0"));
        QCOMPARE(h.grid().currentRow(), 17);
        QCOMPARE(h.grid().currentColumn(), 0);
        QCOMPARE(h.font(17, 16).pointSizeF(), 12.5);
        QCOMPARE(h.grid().columnWidth(5), qRound(20.0 * h.grid().logicalDpiX() / 72.0));
    }

    void wrongNumberOfElementsIsRefused() {
        FormHarness h;
        editElements(h, "12345678");
        QCOMPARE(h.boxes.size(), std::size_t{1});
        QCOMPARE(h.boxes[0].first, MessageBoxPort::Kind::Information);
        QCOMPARE(h.boxes[0].second, QString("9  characters needed for this puzzle"));
        QCOMPARE(h.column().tbSelements->text(), QString("123456789"));
        QCOMPARE(h.wb().pc().sElements, std::string("123456789"));
    }

    void lowerCaseElementsAreRaisedAndKeptUntilTheSizeChanges() {
        FormHarness h;
        editElements(h, "abcdefghi");
        QVERIFY(h.boxes.empty());
        QCOMPARE(h.column().tbSelements->text(), QString("ABCDEFGHI"));
        h.typeAt(0, 0, "a");
        QCOMPARE(h.text(0, 0), QString("A"));
        h.typeAt(0, 1, "1");
        QCOMPARE(h.text(0, 1), QString());
        h.click(h.column().cbClear);
        QCOMPARE(h.column().tbSelements->text(), QString("ABCDEFGHI"));
        h.chooseSize(2);
        h.chooseSize(0);
        QCOMPARE(h.column().tbSelements->text(), QString("123456789"));
    }
};

}  // namespace velmora::ui::test

QTEST_MAIN(velmora::ui::test::SizeTest)
#include "size_test.moc"
