// The puzzle book's pages: their number and paper, grids that stay big enough to write in and
// clear of each other, smaller solutions, the locale's paper, candidates only when asked and
// the texts of each language, all read back from the written PDF.
#include <QTemporaryDir>
#include <QTest>

#include "bench.h"
#include "book_pdf_grids.h"
#include "book_puzzle.h"
#include "model/size_options.h"
#include "pdf_book_file.h"

namespace velmora::book::test {

namespace {

constexpr double kPointsPerMm = 72.0 / 25.4;

using velmora::test::loadSamples;
using velmora::test::shapeName;

std::string singles(BoxShape shape) {
    return "singles-" + shapeName(shape) + ".txt";
}

// The sample puzzles of a shape, repeated to make `count`.
std::vector<BookPuzzle> samples(BoxShape shape, int count) {
    const auto read = loadSamples(singles(shape));
    const std::string elements(kDefaultElements, static_cast<std::size_t>(shape.n()));
    std::vector<BookPuzzle> puzzles;
    for (std::size_t i = 0; i < static_cast<std::size_t>(count); ++i)
        puzzles.push_back(makeBookPuzzle(
            shape, velmora::test::valuesOf(read.at(i % read.size()).puzzle), elements));
    return puzzles;
}

}  // namespace

class BookLayoutTest : public QObject {
    Q_OBJECT

    QTemporaryDir dir_;

    PdfText write(const std::vector<BookPuzzle>& puzzles, const BookOptions& options) {
        const QString path = dir_.filePath("book.pdf");
        PdfBookFile file(path);
        const std::string error = file.write(puzzles, options);
        if (!error.empty()) qWarning("%s", error.c_str());
        const BookPlan plan(options.paper, puzzles.front().shape, static_cast<int>(puzzles.size()),
                            options.perPage, options.solutions);
        return readBook(path.toStdString(), plan, puzzles.front().shape.n());
    }

  private slots:
    void initTestCase() {
        if (!havePdfToText()) QSKIP("pdftotext (poppler-utils) is missing");
    }

    void pageCountAndSize() {
        struct Case {
            int option, count, perPage;
            bool solutions, letter;
            int pages;
        };
        for (const Case c : {Case{0, 13, 6, true, false, 3 + 2}, Case{0, 13, 1, false, true, 13},
                             Case{1, 5, 2, true, false, 3 + 2}, Case{8, 4, 4, true, true, 1 + 1},
                             Case{2, 25, 4, true, false, 7 + 3}}) {
            BookOptions options;
            options.paper = c.letter ? Paper::Letter : Paper::A4;
            options.perPage = c.perPage;
            options.solutions = c.solutions;
            const PdfText text =
                write(samples(kBoxShapes[static_cast<std::size_t>(c.option)], c.count), options);
            QCOMPARE(static_cast<int>(text.pageTexts.size()), c.pages);
            QCOMPARE(qRound(text.pageWidths.back()), c.letter ? 612 : 595);
            QCOMPARE(qRound(text.pageHeights.back()), c.letter ? 792 : 842);
            const std::string last =
                "Page " + std::to_string(c.pages) + " of " + std::to_string(c.pages);
            QVERIFY(text.pageTexts.back().find(last) != std::string::npos);
        }
    }

    // Every offered count keeps cells writable, grids inside the page's free band and apart,
    // solutions smaller; the counts not offered are refused with the choices.
    void offeredCountsFitTheirGrids() {
        for (const BoxShape& shape : kBoxShapes) {
            const int n = shape.n();
            for (const Paper paper : {Paper::A4, Paper::Letter}) {
                const QSizeF page = pageSizeOf(paper).size(QPageSize::Point);
                for (int k = 1; k <= 12; ++k) {
                    const auto choices = perPageChoices(n);
                    const bool offered =
                        std::find(choices.begin(), choices.end(), k) != choices.end();
                    const std::string problem = perPageProblem(n, k, paper, 0);
                    QVERIFY2(offered == problem.empty(),
                             (shapeName(shape) + ": " + problem).c_str());
                    if (!offered) continue;
                    const BookPlan plan(paper, shape, k, k, true);
                    const SlotGrid& grids = plan.gridsOf(false);
                    QVERIFY(grids.cell >= (n <= 9 ? 7 : 6) * kPointsPerMm);
                    QVERIFY(plan.gridsOf(true).cell < grids.cell);
                    // A hundredth of a point for the sums of the arrangement.
                    const QRectF band = QRectF(0, plan.titleArea().bottom(), page.width(),
                                               plan.footerArea().top() - plan.titleArea().bottom())
                                            .adjusted(-0.01, -0.01, 0.01, 0.01);
                    for (std::size_t a = 0; a < grids.grids.size(); ++a) {
                        QVERIFY(band.contains(grids.grids[a].united(grids.labels[a])));
                        for (std::size_t b = 0; b < a; ++b)
                            QVERIFY(!grids.grids[a].intersects(grids.grids[b]));
                    }
                }
            }
        }
    }

    void localeChoosesThePaper() {
        QCOMPARE(defaultPaper(QLocale(QLocale::English, QLocale::UnitedStates)), Paper::Letter);
        QCOMPARE(defaultPaper(QLocale(QLocale::French, QLocale::Canada)), Paper::Letter);
        QCOMPARE(defaultPaper(QLocale(QLocale::German, QLocale::Germany)), Paper::A4);
        QCOMPARE(defaultPaper(QLocale(QLocale::English, QLocale::UnitedKingdom)), Paper::A4);
    }

    void candidatesOnlyWhenAsked() {
        const std::vector<BookPuzzle> puzzles = samples({3, 3}, 1);
        BookOptions options;
        options.perPage = 1;
        QCOMPARE(write(puzzles, options).grids.at(0), loadSamples(singles({3, 3})).at(0).puzzle);
        // Every open cell of a puzzle that singles finish lists at least one candidate.
        options.candidates = true;
        QCOMPARE(write(puzzles, options).grids.at(0).find('.'), std::string::npos);
    }

    void germanAndFrenchTexts() {
        const std::vector<BookPuzzle> puzzles = samples({2, 3}, 2);
        BookOptions options;
        options.perPage = 2;
        options.solutions = true;
        options.language = 1;
        const PdfText german = write(puzzles, options);
        QVERIFY(german.pageTexts[0].find("Sudoku-Velmora-Rätselheft") != std::string::npos);
        QVERIFY(german.pageTexts[0].find("Nr. 2 · 6x6, Blöcke 2x3 · leicht") != std::string::npos);
        QVERIFY(german.pageTexts[1].find("Lösungen") != std::string::npos);
        QVERIFY(german.pageTexts[1].find("Seite 2 von 2") != std::string::npos);
        options.language = 2;
        options.title = "Mes puzzles";
        const PdfText french = write(puzzles, options);
        QVERIFY(french.pageTexts[0].find("Mes puzzles") != std::string::npos);
        QVERIFY(french.pageTexts[0].find("N° 1 · 6x6, blocs 2x3 · facile") != std::string::npos);
        QVERIFY(french.pageTexts[1].find("Page 2 sur 2") != std::string::npos);
    }
};

}  // namespace velmora::book::test

QTEST_MAIN(velmora::book::test::BookLayoutTest)
#include "book_layout_test.moc"
