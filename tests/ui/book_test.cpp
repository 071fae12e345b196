// The puzzle book: its pages (number and paper, grids that stay big enough to write in and clear
// of each other, smaller solutions, the locale's paper, candidates only when asked, the texts of
// each language, all read back from the written PDF) and the window's "Puzzle book..." command
// (its button and texts, a dialog that starts from the window, a run that writes the generator's
// puzzles or, cancelled, nothing).
#include <QProgressDialog>
#include <QSlider>
#include <QSpinBox>
#include <QTemporaryDir>

#include "book_command.h"
#include "book_dialog.h"
#include "book_pdf_grids.h"
#include "book_puzzle.h"
#include "book_run.h"
#include "form_harness.h"
#include "model/size_options.h"
#include "pdf_book_file.h"

namespace velmora::ui::test {

using namespace velmora::book;
using book::test::havePdfToText;
using book::test::PdfText;
using book::test::readBook;

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

QStringList items(const QComboBox* box) {
    QStringList texts;
    for (int i = 0; i < box->count(); ++i)
        texts << box->itemText(i);
    return texts;
}

}  // namespace

class BookTest : public QObject {
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
    void pageCountAndSize() {
        if (!havePdfToText()) QSKIP("pdftotext (poppler-utils) is missing");
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
        if (!havePdfToText()) QSKIP("pdftotext (poppler-utils) is missing");
        const std::vector<BookPuzzle> puzzles = samples({3, 3}, 1);
        BookOptions options;
        options.perPage = 1;
        QCOMPARE(write(puzzles, options).grids.at(0), loadSamples(singles({3, 3})).at(0).puzzle);
        // Every open cell of a puzzle that singles finish lists at least one candidate.
        options.candidates = true;
        QCOMPARE(write(puzzles, options).grids.at(0).find('.'), std::string::npos);
    }

    void germanAndFrenchTexts() {
        if (!havePdfToText()) QSKIP("pdftotext (poppler-utils) is missing");
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

    void buttonSitsBelowPrintAndSpeaksEachLanguage() {
        MainForm form(1);
        form.show();
        QVERIFY(QTest::qWaitForWindowExposed(&form));
        CommandColumn& column = form.commands();
        QCOMPARE(column.cbBook->geometry().left(), column.cbPrint->geometry().left());
        QVERIFY(column.cbBook->geometry().top() > column.cbPrint->geometry().bottom());
        QVERIFY(column.cbBook->geometry().bottom() < column.cbLoad->geometry().top());
        const std::pair<int, QString> captions[] = {
            {1, "Rätselheft..."}, {2, "Livret de puzzles..."}, {0, "Puzzle book..."}};
        for (const auto& [language, caption] : captions) {
            form.languageList().setCurrentIndex(language);
            QCOMPARE(column.cbBook->text(), caption);
            QVERIFY(!column.cbBook->toolTip().isEmpty());
        }
        QVERIFY(column.cbBook->toolTip().contains("PDF"));
    }

    void dialogStartsFromTheWindowAndOffersCountsByShape() {
        MainForm form(1);
        form.commands().frsize->option(8)->click();  // 2x6
        form.commands().hsDifficulty->setValue(40);
        form.languageList().setCurrentIndex(1);
        BookDialog dialog(windowBookChoice(form.workbench()));
        QCOMPARE(dialog.windowTitle(), QString("Rätselheft"));
        QCOMPARE(dialog.shapeBox->currentText(), QString("12x12 (2x6)"));
        QCOMPARE(dialog.difficultyBox->value(), 40);
        QCOMPARE(items(dialog.perPageBox), QStringList({"1", "2", "4"}));
        QCOMPARE(dialog.perPageBox->currentText(), QString("4"));

        dialog.shapeBox->setCurrentText("18x18 (3x6)");
        QCOMPARE(items(dialog.perPageBox), QStringList({"1", "2"}));
        QCOMPARE(dialog.perPageBox->currentText(), QString("2"));

        dialog.levelBox->setCurrentIndex(2);
        const BookChoice choice = dialog.choice();
        QCOMPARE(choice.request.shape, (BoxShape{3, 6}));
        QCOMPARE(choice.request.difficulty, 40);
        QVERIFY(choice.request.level == Level::Medium);
        QCOMPARE(choice.options.perPage, 2);
        QCOMPARE(choice.options.language, 1);
        // Another shape than the window's takes the default element characters.
        QVERIFY(choice.request.elements.empty());
    }

    void runWritesTheGeneratorsPuzzles() {
        if (!havePdfToText()) QSKIP("pdftotext (poppler-utils) is missing");
        QTemporaryDir dir;
        QWidget window;
        BookChoice choice;
        choice.request.shape = {2, 3};
        choice.request.count = 5;
        choice.options.perPage = 4;
        const QString path = dir.filePath("window.pdf");
        const BookRunResult result = runBook(&window, choice, path, 21);
        QCOMPARE(result.outcome, BookRunOutcome::Written);
        QCOMPARE(result.pages, 2);
        QVERIFY(QString::fromStdString(result.message).contains(path));

        book::BookGenerator generator(choice.request, 21);
        while (!generator.finished())
            generator.step();
        std::vector<std::string> expected;
        for (const book::BookPuzzle& p : generator.puzzles()) {
            std::string line;
            for (const int v : p.givens)
                line += v == 0 ? '.' : static_cast<char>('0' + v);
            expected.push_back(line);
        }
        const book::BookPlan plan(choice.options.paper, choice.request.shape, 5, 4, false);
        QCOMPARE(book::test::readBook(path.toStdString(), plan, 6).grids, expected);
    }

    // Cancelled, the run leaves an old file as it was; an unwritable path fails with its reason.
    void cancelOrAFailedWriteLeavesNoBook() {
        QTemporaryDir dir;
        const QString path = dir.filePath("kept.pdf");
        velmora::test::writeBytes(path.toStdString(), "old");
        QWidget window;
        BookChoice choice;
        choice.request.count = 50;
        QTimer::singleShot(0, &window, [&window] {
            window.findChild<QProgressDialog*>("bookProgress")->cancel();
        });
        const BookRunResult result = runBook(&window, choice, path, 3);
        QCOMPARE(result.outcome, BookRunOutcome::Cancelled);
        QVERIFY(result.message.empty());
        QCOMPARE(velmora::test::readBytes(path.toStdString()), "old");

        const QString missing = dir.filePath("missing/book.pdf");
        const BookRunResult failed = runBook(&window, BookChoice{}, missing, 3);
        QCOMPARE(failed.outcome, BookRunOutcome::Failed);
        QVERIFY(QString::fromStdString(failed.message).startsWith("cannot write " + missing));
    }
};

}  // namespace velmora::ui::test

QTEST_MAIN(velmora::ui::test::BookTest)
#include "book_test.moc"
