// The window over a session: the grid grows with the window (square cells, fonts that follow,
// readable candidates on a maximised 18x18, the explanation never over the grid), the puzzle kept
// from one run to the next, and long commands that leave the window painting.
#include <QAbstractButton>
#include <QImage>
#include <QProgressDialog>
#include <QTemporaryDir>
#include <atomic>

#include "background_run.h"
#include "explanation_box.h"
#include "form_harness.h"
#include "grid_area.h"
#include "history/form_control.h"
#include "input_blocker.h"

namespace velmora::ui::test {

namespace {

QRect inWindow(QWidget& w) {
    return QRect(w.mapTo(w.window(), QPoint(0, 0)), w.size());
}

// Every cell square and of one size, the grid inside its area, the explanation beside or below.
void checkLayout(FormHarness& w) {
    EntryGrid& grid = w.grid();
    const int n = grid.gridModel().rowCount();
    for (int i = 0; i < n; ++i) {
        QCOMPARE(grid.columnWidth(i), grid.cellSide());
        QCOMPARE(grid.rowHeight(i), grid.cellSide());
    }
    const QRect cells = inWindow(grid);
    QVERIFY(inWindow(w.form.gridArea()).contains(cells));
    QVERIFY(!cells.intersects(inWindow(w.form.explanation())));
}

// The height in pixels of the tallest run of candidate-coloured rows in the cell at (r, c).
int candidateHeight(EntryGrid& grid, int r, int c) {
    const QImage image =
        grid.viewport()->grab(grid.visualRect(grid.model()->index(r, c))).toImage();
    int tallest = 0;
    for (int y = 0, run = 0; y < image.height(); ++y) {
        bool ink = false;
        for (int x = 0; x < image.width() && !ink; ++x) {
            const QColor p = image.pixelColor(x, y);
            ink = p.blue() - p.red() > 25 && p.red() < 200;  // candidates' grey-violet, blended
        }
        run = ink ? run + 1 : 0;
        tallest = std::max(tallest, run);
    }
    return tallest;
}

}  // namespace

class WindowSessionTest : public QObject {
    Q_OBJECT
  private slots:
    void initTestCase() { prepareApplication(); }

    void theGridGrowsAndShrinksBackToItsDesignedCells() {
        FormHarness w;
        // The start-up size where the screen is large enough (the headless one is 800x600).
        const QSize startUp = w.form.sizeHint();
        w.form.resize(startUp);
        QTRY_COMPARE(w.grid().cellSide(), w.grid().designedCellSide());
        QVERIFY(!w.form.gridArea().explanationBeside());
        checkLayout(w);
        w.form.resize(startUp + QSize(300, 300));
        QTRY_VERIFY(w.grid().fontScale() > 1.0);
        checkLayout(w);
        w.form.resize(startUp);
        QTRY_COMPARE(w.grid().cellSide(), w.grid().designedCellSide());
    }

    // Every size fills a maximised window; the candidates of the 18x18 stay readable there.
    void everySizeFillsAMaximisedWindow() {
        FormHarness w;
        w.form.resize(1920, 1010);
        for (const int option : {0, 1, 9}) {
            w.chooseSize(option);
            QTRY_VERIFY(w.grid().cellSide() > w.grid().designedCellSide());
            checkLayout(w);
            // All but a division's rest of the offered square.
            const int n = w.grid().gridModel().rowCount();
            QVERIFY(w.grid().height() > w.form.gridArea().height() - 140 - n);
        }
        w.form.findChild<QAbstractButton*>("ckbScribbleArea")->click();
        QApplication::processEvents();
        const int height = candidateHeight(w.grid(), 0, 1);
        QVERIFY2(height >= 9, qPrintable(QString::number(height)));
        QVERIFY(height < w.grid().cellSide() / 3);  // one row of candidates, not the cell
    }

    void closingKeepsThePuzzleAndTheNextStartBringsItBack() {
        QTemporaryDir folder;
        const std::filesystem::path file = folder.filePath("autosave.svl").toStdString();
        std::string typed;
        {
            FormHarness first;
            first.form.keepSessionIn(file);
            first.typeAt(0, 0, kPuzzle);
            first.form.languageList().setCurrentIndex(2);
            typed = first.gridText();
            first.form.close();
        }
        QVERIFY(std::filesystem::exists(file));
        FormHarness next;
        next.form.keepSessionIn(file);
        QVERIFY(next.form.restoreSession());
        QCOMPARE(next.gridText(), typed);
        QCOMPARE(next.form.languageList().currentIndex(), 2);
        QVERIFY(!next.wb().fControl().Initial);
        QVERIFY(next.boxes.isEmpty());
    }

    void generateLeavesTheWindowPainting() {
        FormHarness w;
        int ticks = 0;
        QTimer ticker;
        connect(&ticker, &QTimer::timeout, [&ticks] { ++ticks; });
        ticker.start(0);
        w.form.findChild<QAbstractButton*>("cbGenerate")->click();
        ticker.stop();
        QVERIFY(ticks > 0);
        QVERIFY(w.gridText() != std::string(81, '.'));
        QVERIFY(!w.wb().fControl().Initial);
    }

    void cancelStopsALongRunAndTheWindowTakesInputAgain() {
        FormHarness w;
        InputBlocker blocker(&w.form);
        BackgroundRun run(w.form, blocker);
        std::atomic<bool> cancel{false};
        BackgroundRequest request;
        request.work = [&cancel] {
            while (!cancel)
                QThread::msleep(5);
        };
        request.cancel = &cancel;
        request.boxDelayMs = 50;
        request.cancelText = "Cancel";
        QTimer::singleShot(300, [&w] {
            auto* box = w.form.findChild<QProgressDialog*>("busyBox");
            if (box && box->isVisible())
                QTest::mouseClick(box->findChild<QPushButton*>(), Qt::LeftButton);
        });
        run.run(request);
        QVERIFY(cancel);
        QVERIFY(!run.running());
        QVERIFY(!blocker.active());
    }
};

}  // namespace velmora::ui::test

QTEST_MAIN(velmora::ui::test::WindowSessionTest)
#include "window_session_test.moc"
