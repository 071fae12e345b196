// The window's "Puzzle book..." command: its button and texts in three languages, a dialog that
// starts from the window, and a run that writes the generator's puzzles or, cancelled, nothing.
#include <QComboBox>
#include <QFile>
#include <QProgressDialog>
#include <QPushButton>
#include <QRadioButton>
#include <QSlider>
#include <QSpinBox>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

#include "book_command.h"
#include "book_dialog.h"
#include "book_pdf_grids.h"
#include "book_run.h"
#include "command_column.h"
#include "main_form.h"
#include "size_frame.h"

namespace velmora::ui::test {

namespace {

QStringList items(const QComboBox* box) {
    QStringList texts;
    for (int i = 0; i < box->count(); ++i)
        texts << box->itemText(i);
    return texts;
}

QString fileText(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? QString::fromUtf8(file.readAll()) : QString();
}

}  // namespace

class BookWindowTest : public QObject {
    Q_OBJECT

  private slots:
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
        dialog.shapeBox->setCurrentText("6x6 (2x3)");
        QCOMPARE(items(dialog.perPageBox), QStringList({"1", "2", "4", "6"}));
        QCOMPARE(dialog.perPageBox->currentText(), QString("2"));

        dialog.levelBox->setCurrentIndex(2);
        const BookChoice choice = dialog.choice();
        QCOMPARE(choice.request.shape, (BoxShape{2, 3}));
        QCOMPARE(choice.request.difficulty, 40);
        QVERIFY(choice.request.level == Level::Medium);
        QCOMPARE(choice.options.perPage, 2);
        QCOMPARE(choice.options.language, 1);
        // Another shape than the window's takes the default element characters.
        QVERIFY(choice.request.elements.empty());
    }

    void runWritesTheGeneratorsPuzzles() {
        if (!book::test::havePdfToText()) QSKIP("pdftotext (poppler-utils) is missing");
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
        QFile old(path);
        QVERIFY(old.open(QIODevice::WriteOnly));
        old.write("old");
        old.close();
        QWidget window;
        BookChoice choice;
        choice.request.count = 50;
        QTimer::singleShot(0, &window, [&window] {
            window.findChild<QProgressDialog*>("bookProgress")->cancel();
        });
        const BookRunResult result = runBook(&window, choice, path, 3);
        QCOMPARE(result.outcome, BookRunOutcome::Cancelled);
        QVERIFY(result.message.empty());
        QCOMPARE(fileText(path), QString("old"));

        const QString missing = dir.filePath("missing/book.pdf");
        const BookRunResult failed = runBook(&window, BookChoice{}, missing, 3);
        QCOMPARE(failed.outcome, BookRunOutcome::Failed);
        QVERIFY(QString::fromStdString(failed.message).startsWith("cannot write " + missing));
    }
};

}  // namespace velmora::ui::test

QTEST_MAIN(velmora::ui::test::BookWindowTest)
#include "book_window_test.moc"
