// The window's wiring, events, painting and printing: every button runs its own command, keys
// and double clicks reach the grid, dialogs open and close, a refusing pencil-mark box holds the
// commands back, the layout keeps its widths in every language, every candidate of a large grid
// has ink in its own place, the grid picture shows what the screen shows, and the page carries
// it at its margin as text.
#include <QCheckBox>
#include <QClipboard>
#include <QComboBox>
#include <QDropEvent>
#include <QFile>
#include <QFileDialog>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMimeData>
#include <QPainter>
#include <QPrintDialog>
#include <QPrinter>
#include <QRadioButton>
#include <QSignalSpy>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>

#include "form_harness.h"
#include "grid_picture.h"
#include "grid_printer.h"
#include "model/size_options.h"
#include "pencil_mark_box.h"
#include "qt_colour.h"
#include "size_frame.h"
#include "statistics_panel.h"

namespace velmora::ui::test {

namespace {

const QColor kPaper(1, 2, 3);

QImage picture(const EntryGrid& grid) {
    const GridPicture p(grid);
    QImage image(p.size(), QImage::Format_RGB32);
    image.fill(kPaper);
    QPainter painter(&image);
    p.paint(painter);
    return image;
}

// The smallest rectangle holding every pixel of `area` that is not `background`.
QRect inkIn(const QImage& image, const QRect& area, const QColor& background) {
    QRect ink;
    for (int y = area.top(); y <= area.bottom(); ++y)
        for (int x = area.left(); x <= area.right(); ++x)
            if (image.pixelColor(x, y) != background) ink |= QRect(x, y, 1, 1);
    return ink;
}

}  // namespace

class WindowTest : public QObject {
    Q_OBJECT
  private slots:
    void initTestCase() { prepareApplication(); }

    void everyButtonRunsItsOwnCommand() {
        FormHarness h;
        CommandColumn& c = h.column();
        const auto sample = loadSamples("singles-3x3.txt").at(0);
        h.typeGrid(sample.puzzle);
        QCOMPARE(h.gridText(), sample.puzzle);
        const auto open = static_cast<int>(sample.puzzle.find('.'));
        const auto step = [&](QAbstractButton* button, int panel, const QString& text) {
            h.click(button);
            QVERIFY2(panel == 0 || h.panel(panel).startsWith(text), qPrintable(text));
        };
        step(c.cbenterSolution, 1, "Try to solve this puzzle manually");
        h.typeAt(open / 9, open % 9, "1");
        QVERIFY(c.cbUndo->isEnabled());
        step(c.cbUndo, 0, "");
        QCOMPARE(h.gridText(), sample.puzzle);
        step(c.cbRedo, 0, "");
        QCOMPARE(h.gridText()[std::size_t(open)], '1');
        step(c.cbReset, 3, "Now its your turn again...");
        QCOMPARE(h.gridText(), sample.puzzle);
        step(c.cbhint, 0, "");
        const std::string hinted = h.gridText();
        QCOMPARE(std::count(hinted.begin(), hinted.end(), '.'),
                 std::count(sample.puzzle.begin(), sample.puzzle.end(), '.') - 1);
        step(c.cbEnterInitial, 1, "Enter, generate or load a new puzzle");
        step(c.cbSolve, 1, "Solved!!");
        QCOMPARE(h.gridText(), sample.solution);
        QFile::remove(QStandardPaths::writableLocation(QStandardPaths::AppDataLocation) +
                      "/saved/solved.svl");
        const auto fileDialog = [](const QString& title) {  // answered with "solved.svl"
            whenDialogOpens([title](QDialog& d) {
                QCOMPARE(d.windowTitle(), title);
                d.findChild<QLineEdit*>("fileNameEdit")->setText("solved.svl");
                d.accept();
            });
        };
        fileDialog("Save Current Puzzle");
        h.click(c.cbSave);
        step(c.cbClear, 1, "Puzzle cleared");
        QCOMPARE(h.gridText(), std::string(81, '.'));
        fileDialog("Load a saved Puzzle");
        h.click(c.cbLoad);
        QCOMPARE(h.gridText(), sample.solution);
        step(c.cbGenerate, 2, "Found a genuine Sudoku!");
        bool printing = false;
        whenDialogOpens([&printing](QDialog& d) {
            printing = qobject_cast<QPrintDialog*>(&d) != nullptr;
            d.reject();
        });
        h.click(c.cbPrint);
        QVERIFY(printing && h.boxes.isEmpty());
        h.click(c.cbExit);
        QVERIFY(!h.form.isVisible());
    }

    void keysReachTheGridAndTheOutcomeDisplay() {
        FormHarness h;
        QSignalSpy beeps(&h.grid(), &EntryGrid::beeped);
        h.typeAt(0, 8, "5");
        QCOMPARE(h.text(0, 8), "5");
        QVERIFY(h.grid().cursor() == (GridCursor{1, 0}));
        h.typeAt(4, 4, "x\x1b");
        QCOMPARE(beeps.count(), 2);
        QTest::keyClick(&h.grid(), Qt::Key_Down);  // arrows move as the table does
        QVERIFY(h.grid().cursor() == (GridCursor{5, 4}));
        h.typeAt(0, 8, "\b");
        QCOMPARE(h.text(0, 8), "");
        h.typeAt(3, 3, "\r");
        QVERIFY(h.grid().cursor() == (GridCursor{4, 0}));
        h.wb().statusBar().setPanelText(Panel::Result, "before");
        h.typeAt(2, 2, "x");
        QCOMPARE(h.panel(2), QString("Ready .."));  // the outcome display runs after every key
    }

    void pasteCopyAndDropGoThroughTheClipboardAndTheWindow() {
        FormHarness h;
        QClipboard* clipboard = QGuiApplication::clipboard();
        const std::string eight = loadSamples("singles-2x4.txt").at(0).puzzle;
        clipboard->setText(QString::fromStdString("2x4:" + eight));
        QTest::keyClick(&h.grid(), Qt::Key_V, Qt::ControlModifier);
        QCOMPARE(h.gridText(), eight);
        QCOMPARE(h.wb().pc().nDim, 8);
        QVERIFY(h.column().frsize->option(5)->isChecked());
        clipboard->setText("not a puzzle at all");
        QTest::keyClick(&h.grid(), Qt::Key_V, Qt::ControlModifier);
        QCOMPARE(h.boxes.size(), 1);  // says why, and changes nothing
        QCOMPARE(h.gridText(), eight);
        QTest::keyClick(&h.grid(), Qt::Key_C, Qt::ControlModifier);
        QCOMPARE(clipboard->text().toStdString(), eight + "\n");
        QVERIFY(clipboard->mimeData()->hasFormat(MainForm::kPencilMarksMime));
        // A dropped text opens as Paste does.
        const std::string nine = loadSamples("singles-3x3.txt").at(0).puzzle;
        QMimeData dropped;
        dropped.setText(QString::fromStdString(nine));
        QDragEnterEvent enter(QPoint(10, 10), Qt::CopyAction, &dropped, Qt::LeftButton, {});
        QCoreApplication::sendEvent(&h.form, &enter);
        QVERIFY(enter.isAccepted());
        QDropEvent drop(QPointF(10, 10), Qt::CopyAction, &dropped, Qt::LeftButton, {});
        QCoreApplication::sendEvent(&h.form, &drop);
        QCOMPARE(h.gridText(), nine);
    }

    void aPencilMarkBoxThatRefusesToLetGoHoldsTheCommandsBack() {
        FormHarness h;
        h.typeAt(0, 3, "134");
        h.click(h.column().ckbmanualpencilmarks);  // Yes: the marks are cleared
        QCOMPARE(h.boxes.takeFirst(), "Shall I clear all computer generated pencil marks first ?");
        h.doubleClickCell(0, 0);
        PencilMarkBox& box = h.form.pencilMarkBox();
        QVERIFY(box.isVisible() && box.hasFocus());
        QCOMPARE(QRect(box.mapTo(&h.form, QPoint()), box.size()),
                 QRect(h.grid().viewport()->mapTo(&h.form, QPoint()),
                       h.grid().visualRect(h.grid().model()->index(0, 0)).size()));
        QTest::keyClicks(&box, "29x");
        QTest::keyClick(&box, Qt::Key_Return);
        QCOMPARE(h.boxes.takeFirst(), "X:is not a valid character for this puzzle");
        h.click(h.column().cbClear);  // the box keeps the focus, and Clear does not run
        QVERIFY(box.isVisible() && box.hasFocus() && box.text() == "29x");
        h.boxes.clear();
        QCOMPARE(h.gridText().substr(0, 6), "...134");
        QTest::keyClick(&box, Qt::Key_Backspace);
        QTest::keyClick(&box, Qt::Key_Return);
        QVERIFY(!box.isVisible() && h.grid().hasFocus());
        QCOMPARE(h.text(0, 0), "2 9");
        // A given cannot be edited while the solution is entered: a beep.
        QSignalSpy beeps(&h.grid(), &EntryGrid::beeped);
        h.click(h.column().cbenterSolution);
        h.doubleClickCell(0, 3);
        QCOMPARE(beeps.count(), 1);
        QVERIFY(!box.isVisible() && h.boxes.isEmpty());
    }

    void inputGivenWhileSolvingIsDropped() {
        FormHarness h;
        const auto sample = loadSamples("guessing-3x3.txt").at(3);
        h.typeGrid(sample.puzzle);
        h.click(h.column().ckbTrial);
        h.grid().setCursor({0, 1});
        const auto postSpace = [&h] {  // a key that waits in the queue, as a user's does
            for (const auto type : {QEvent::KeyPress, QEvent::KeyRelease})
                QCoreApplication::postEvent(&h.grid(), new QKeyEvent(type, Qt::Key_Space, {}, " "));
        };
        connect(&h.form.statusPanels(), &StatusPanels::panelTextChanged, this,
                [&](int panel, const QString& text) {
                    if (panel == 1 && text == "Solving....") postSpace();
                });
        h.click(h.column().cbSolve);
        QCoreApplication::processEvents();
        QCOMPARE(h.gridText(), sample.solution);
        disconnect(&h.form.statusPanels(), nullptr, this, nullptr);
        postSpace();  // once the command has ended, the same key takes effect
        QCoreApplication::processEvents();
        QCOMPARE(h.gridText()[1], '.');
    }

    void sizeOptionsNameTheirOwnShapeAndBuildIt() {
        FormHarness h;
        for (int i = 0; i < SizeFrame::kOptions; ++i) {
            QRadioButton* option = h.column().frsize->option(i);
            QCOMPARE(option->toolTip(), "Select for a " + option->text().toLower() + " puzzle");
            h.chooseSize(i);
            const int n = kBoxShapes[std::size_t(i)].n();
            QCOMPARE(h.grid().gridModel().rowCount(), n);
            QCOMPARE(h.column().tbSelements->text().size(), n);
        }
    }

    void captionsWrapSoTheLayoutKeepsItsWidthsInEveryLanguage() {
        FormHarness h;
        QList<int> widths[3];
        for (int language : {1, 2, 0}) {
            h.form.languageList().setCurrentIndex(language);
            QCoreApplication::sendPostedEvents(nullptr, QEvent::LayoutRequest);
            widths[language] << h.column().width();
            for (QPushButton* b : h.column().findChildren<QPushButton*>()) {
                widths[language] << b->width();
                for (const QString& word : b->text().split(' '))
                    QVERIFY2(b->fontMetrics().horizontalAdvance(word) < b->width(),
                             qPrintable(b->text()));
            }
        }
        QCOMPARE(widths[1], widths[0]);
        QCOMPARE(widths[2], widths[0]);
        QCOMPARE(h.column().cbGenerate->text(), "Generate");
    }

    void optionBoxesLanguageAndStatisticsReachTheModel() {
        FormHarness h;
        CommandColumn& c = h.column();
        h.typeAt(0, 0, "5");
        h.click(c.ckbScribbleArea);
        QCOMPARE(h.text(0, 1), "1 2 3 4 6 7 8 9");
        h.click(c.ckbTrial);
        h.click(c.ckbExperimental);
        QVERIFY(h.wb().pc().guessingEnabled && h.wb().pc().Experimental);
        StatisticsPanel& s = h.form.statistics();
        QVERIFY(!s.techniqueSwitch(StatisticsPanel::Grabs)->isVisible());
        h.click(s.statisticsBox());
        h.click(s.techniqueSwitch(StatisticsPanel::Grabs));
        QVERIFY(!h.wb().module().grabsEnabled);
        QCOMPARE(s.countBox(StatisticsPanel::Singles)->text(),
                 QString::number(h.wb().module().neSubsets[0]));
        h.form.languageList().setCurrentIndex(1);
        QCOMPARE(c.cbGenerate->text(), "Neu");
        h.click(c.cbClear);
        QCOMPARE(h.panel(2), "Bereit ...");
    }

    void everyCandidateOfALargeGridHasInkInItsOwnPlace_data() {
        QTest::addColumn<int>("option");
        QTest::newRow("16x16") << 1;
        QTest::newRow("15x15") << 7;
        QTest::newRow("18x18") << 9;
    }
    void everyCandidateOfALargeGridHasInkInItsOwnPlace() {
        QFETCH(int, option);
        const BoxShape shape = kBoxShapes[std::size_t(option)];
        FormHarness h;
        h.chooseSize(option);
        h.click(h.column().ckbScribbleArea);   // every cell shows all its candidates
        h.wb().pc().manualPencilMarks = true;  // (0,1) only the first and the last
        h.wb().theCells().getCell(0, 1).bPoss = 1u | 1u << (shape.n() - 1);
        h.wb().gControl().bUnloadGrid();
        const QImage image = picture(h.grid());
        // The picture keeps the grid's designed size, whatever the window's.
        const int side = image.width() / shape.n();
        for (const int col : {0, 1}) {
            // The cell as the picture paints it, and a small grid of the box's shape in it.
            const QRectF inner = QRectF(col * side, 0, side - 1, side - 1).adjusted(1, 1, -1, -1);
            const qreal w = inner.width() / shape.cols, ht = inner.height() / shape.rows;
            for (int k = 0; k < shape.n(); ++k) {
                const QRect place = QRectF(inner.left() + k % shape.cols * w,
                                           inner.top() + k / shape.cols * ht, w, ht)
                                        .toAlignedRect()
                                        .adjusted(1, 1, -1, -1);
                const bool shown = col == 0 || k == 0 || k == shape.n() - 1;
                QVERIFY2(
                    inkIn(image, place, toQColor(h.view(0, col).format.back)).isEmpty() != shown,
                    qPrintable(QString("cell (0,%1), candidate %2").arg(col).arg(k + 1)));
            }
        }
    }

    void thePictureShowsWhatTheScreenShows() {
        FormHarness h;
        h.chooseSize(3);  // boxes two high and three wide
        h.typeAt(0, 1, "1");
        h.typeAt(0, 4, "1");  // a conflict, violet, where the transposed cells are not
        h.typeAt(2, 5, "6");
        h.click(h.column().ckbScribbleArea);
        h.grid().setCursor({5, 5});
        QApplication::processEvents();
        // The grid at its designed size, which paper keeps whatever the window's.
        h.grid().fitInto(h.grid().designedSide());
        const QImage screen =
            h.grid().viewport()->grab().toImage().convertToFormat(QImage::Format_RGB32);
        const QImage paper = picture(h.grid());
        QCOMPARE(inkIn(paper, paper.rect(), kPaper), paper.rect());  // painted all over
        // Everything but the entry cursor's cell and the outline where the screen has its frame.
        const QRect cursor =
            h.grid().visualRect(h.grid().model()->index(5, 5)).adjusted(0, 0, 1, 1);
        for (int y = 1; y < paper.height(); ++y)
            for (int x = 1; x < paper.width(); ++x)
                if (!cursor.contains(x, y) && screen.pixel(x, y) != paper.pixel(x, y))
                    QFAIL(qPrintable(QString("pixel %1,%2 differs").arg(x).arg(y)));
    }

    void thePageCarriesThePictureAtTheMarginAsTextOnOnePage() {
        FormHarness h;
        h.chooseSize(9);
        h.typeAt(0, 0, "1234567890ABCDEFGH");
        h.click(h.column().ckbScribbleArea);
        const int dpi = h.grid().logicalDpiY();
        QImage page(8 * dpi, 8 * dpi, QImage::Format_RGB32);
        page.setDotsPerMeterX(qRound(dpi / 0.0254));
        page.setDotsPerMeterY(qRound(dpi / 0.0254));
        page.fill(kPaper);
        QPainter painter(&page);
        paintGridPage(painter, h.grid());
        painter.end();
        const int margin = qRound(1000.0 / 1440.0 * page.logicalDpiX());
        const QRect ink = inkIn(page, page.rect(), kPaper);
        QVERIFY(std::abs(ink.left() - margin) <= 1 && std::abs(ink.top() - margin) <= 1);
        QCOMPARE(ink.size(), GridPicture(h.grid()).size());
        QTemporaryDir dir;
        QPrinter printer(QPrinter::HighResolution);
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setOutputFileName(dir.filePath("grid.pdf"));
        QVERIFY(printOrReport(printer, h.grid(), h.wb()));
        QFile pdf(dir.filePath("grid.pdf"));
        QVERIFY(pdf.open(QIODevice::ReadOnly));
        const QByteArray bytes = pdf.readAll();
        QVERIFY(bytes.contains("/Count 1") && bytes.contains("/FontFile"));
        QVERIFY(!bytes.contains("/Subtype /Image"));
        printer.setOutputFileName(dir.filePath("no such folder/grid.pdf"));
        h.form.languageList().setCurrentIndex(1);
        QVERIFY(!printOrReport(printer, h.grid(), h.wb()));
        QCOMPARE(h.boxes, QStringList{printFailedMessage(1)});
    }
};

}  // namespace velmora::ui::test

QTEST_MAIN(velmora::ui::test::WindowTest)
#include "window_test.moc"
