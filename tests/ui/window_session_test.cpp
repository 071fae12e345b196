// The puzzle kept from one run to the next, and long commands that leave the window painting.
#include <QAbstractButton>
#include <QComboBox>
#include <QProgressDialog>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTimer>
#include <atomic>

#include "background_run.h"
#include "form_harness.h"
#include "history/form_control.h"
#include "input_blocker.h"

namespace velmora::ui::test {

class WindowSessionTest : public QObject {
    Q_OBJECT
  private slots:
    void initTestCase() { prepareApplication(); }

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
