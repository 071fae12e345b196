// Printing: the page carries the grid picture, drawn by the same cell painting as the screen,
// at its size on screen, 1000 twips from the top left of the printable area. The printer dialog
// is bypassed: the tests print straight to a PDF file.
#include <QCheckBox>
#include <QFile>
#include <QImage>
#include <QPainter>
#include <QPrinter>
#include <QTemporaryDir>
#include <QTest>

#include "command_column.h"
#include "entry_grid.h"
#include "form_harness.h"
#include "grid_picture.h"
#include "grid_printer.h"
#include "model/workbench.h"

namespace velmora::ui::test {

namespace {

const QColor kPaper(1, 2, 3);

// The first sample of `file` at size option `option`, with a solution value and candidates.
void fill(FormHarness& h, int option, const char* file) {
    h.chooseSize(option);
    const SamplePuzzle sample = loadSamples(file).at(0);
    h.typeGrid(sample.puzzle);
    h.click(h.column().cbenterSolution);
    const std::size_t open = sample.puzzle.find('.');
    const int n = h.grid().rowCount();
    h.typeAt(static_cast<int>(open) / n, static_cast<int>(open) % n,
             QString(QChar(sample.solution[open])));
    h.click(h.column().ckbScribbleArea);
}

QImage paintedPicture(const EntryGrid& grid) {
    const GridPicture picture(grid);
    QImage image(picture.size(), QImage::Format_RGB32);
    image.fill(kPaper);
    QPainter painter(&image);
    picture.paint(painter);
    return image;
}

// The smallest rectangle holding every pixel that is not paper.
QRect paintedArea(const QImage& image) {
    QRect area;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            if (image.pixelColor(x, y) != kPaper) area |= QRect(x, y, 1, 1);
    return area;
}

}  // namespace

class PrintTest : public QObject {
    Q_OBJECT
  private slots:
    void initTestCase() { prepareApplication(); }

    void thePictureHasTheGridsSizeAndShowsWhatTheScreenShows() {
        for (const auto& [option, file] :
             {std::pair{0, "singles-3x3.txt"}, std::pair{9, "singles-3x6.txt"}}) {
            FormHarness h;
            fill(h, option, file);
            const int n = h.grid().rowCount();
            h.grid().setCurrentCell(n - 1, n - 1);
            QApplication::processEvents();
            const QImage screen =
                h.grid().viewport()->grab().toImage().convertToFormat(QImage::Format_RGB32);
            const QImage paper = paintedPicture(h.grid());
            // The picture has the grid's size and is painted all over.
            const QSize size(h.grid().cellAreaWidth(), h.grid().cellAreaHeight());
            QCOMPARE(paper.size(), size);
            QCOMPARE(paintedArea(paper), QRect(QPoint(0, 0), size));
            // Everything but the entry cursor's cell and the outline where the screen has the
            // widget's frame.
            const QRect cursor = h.grid().visualItemRect(h.item(n - 1, n - 1));
            int differing = 0;
            for (int y = 1; y < paper.height(); ++y)
                for (int x = 1; x < paper.width(); ++x)
                    if (!cursor.adjusted(0, 0, 1, 1).contains(x, y) &&
                        screen.pixel(x, y) != paper.pixel(x, y))
                        ++differing;
            QCOMPARE(differing, 0);
        }
    }

    void thePageCarriesThePictureAtTheMargin() {
        FormHarness h;
        fill(h, 0, "singles-3x3.txt");
        const int dpi = qRound(h.grid().dpiY());
        QImage page(8 * dpi, 8 * dpi, QImage::Format_RGB32);
        const int dotsPerMeter = qRound(dpi / 0.0254);
        page.setDotsPerMeterX(dotsPerMeter);
        page.setDotsPerMeterY(dotsPerMeter);
        page.fill(kPaper);
        QPainter painter(&page);
        paintGridPage(painter, h.grid());
        painter.end();
        const QRect area = paintedArea(page);
        const double margin = 1000.0 / 1440.0 * page.logicalDpiX();
        QVERIFY2(std::abs(area.left() - margin) <= 1, qPrintable(QString::number(area.left())));
        QVERIFY2(std::abs(area.top() - margin) <= 1, qPrintable(QString::number(area.top())));
        QCOMPARE(area.size(), GridPicture(h.grid()).size());
    }

    void printingWritesOnePdfPageWithTextAndNoBitmap() {
        FormHarness h;
        fill(h, 9, "singles-3x6.txt");
        QTemporaryDir dir;
        QPrinter printer(QPrinter::HighResolution);
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setOutputFileName(dir.filePath("grid.pdf"));
        QVERIFY(printOrReport(printer, h.grid(), h.wb()));
        QVERIFY(h.boxes.empty());
        // One printer unit per screen pixel, so the picture keeps its size.
        QCOMPARE(printer.resolution(), qRound(h.grid().dpiY()));
        QFile pdf(dir.filePath("grid.pdf"));
        QVERIFY(pdf.open(QIODevice::ReadOnly));
        const QByteArray bytes = pdf.readAll();
        QVERIFY(bytes.startsWith("%PDF"));
        QVERIFY(bytes.contains("/Count 1"));
        QVERIFY(bytes.contains("/FontFile"));
        QVERIFY(!bytes.contains("/Subtype /Image"));
    }

    void aPrinterFailureIsReportedInTheStatusLanguage() {
        FormHarness h;
        QTemporaryDir dir;
        QPrinter printer(QPrinter::HighResolution);
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setOutputFileName(dir.filePath("no such folder/grid.pdf"));
        QVERIFY(!printOrReport(printer, h.grid(), h.wb()));
        QCOMPARE(h.takeBoxTexts(), QStringList{printFailedMessage(0)});
        h.chooseLanguage(1);
        QVERIFY(!printOrReport(printer, h.grid(), h.wb()));
        QCOMPARE(h.takeBoxTexts(), QStringList{printFailedMessage(1)});
        QVERIFY(printFailedMessage(1) != printFailedMessage(0));
        QCOMPARE(printFailedMessage(2), printFailedMessage(0));
    }
};

}  // namespace velmora::ui::test

QTEST_MAIN(velmora::ui::test::PrintTest)
#include "print_test.moc"
