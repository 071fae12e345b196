// Painting and printing: every candidate of a large grid has ink in its own fixed place, the
// grid picture shows exactly what the screen shows, and the page carries it at its margin, as
// text, in one page.
#include <QCheckBox>
#include <QFile>
#include <QPainter>
#include <QPrinter>
#include <QTemporaryDir>
#include <QTest>

#include "form_harness.h"
#include "grid_picture.h"
#include "grid_printer.h"
#include "model/size_options.h"
#include "qt_colour.h"

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

class PictureTest : public QObject {
    Q_OBJECT
  private slots:
    void initTestCase() { prepareApplication(); }

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
        for (const int col : {0, 1}) {
            // The cell as the picture paints it, and a small grid of the box's shape in it.
            const QRectF inner = QRectF(col * h.grid().columnWidth(0), 0,
                                        h.grid().columnWidth(col) - 1, h.grid().rowHeight(0) - 1)
                                     .adjusted(1, 1, -1, -1);
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

QTEST_MAIN(velmora::ui::test::PictureTest)
#include "picture_test.moc"
