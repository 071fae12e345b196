// Save and Load from the window: the dialogs' properties, and a half-solved puzzle with hand-made
// pencil marks coming back identically, options, language and element characters included, in
// every box shape.
#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QFileDialog>
#include <QRadioButton>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>

#include "command_column.h"
#include "elements_box.h"
#include "entry_grid.h"
#include "form_harness.h"
#include "history/form_control.h"
#include "model/size_options.h"
#include "pencil_mark_box.h"
#include "qt_file_dialogs.h"
#include "savefile/file_dialogs.h"
#include "size_frame.h"

namespace velmora::ui::test {

namespace {

// Everything the window shows of a puzzle and its options, and the model's cells behind it.
struct Picture {
    QStringList cells;
    QStringList options;

    bool operator==(const Picture&) const = default;
};

Picture take(FormHarness& h) {
    Picture p;
    const int n = h.grid().rowCount();
    const scells& grid = h.wb().theCells();
    for (int r = 0; r < n; ++r) {
        for (int c = 0; c < n; ++c) {
            const scell& s = grid.getCell(r, c);
            p.cells << QString::asprintf(
                "%d,%d %s %s %s %s %g | %d%d%d %d %u", r, c, qPrintable(h.text(r, c)),
                qPrintable(h.background(r, c).name()), qPrintable(h.foreground(r, c).name()),
                qPrintable(h.font(r, c).family()), h.font(r, c).pointSizeF(), s.Sure, s.Original,
                s.Entered, s.Sure ? s.Trying : 0, s.bPoss);
        }
    }
    CommandColumn& c = h.column();
    p.options << QString::number(c.frsize->selected())
              << QString::number(h.form.languageList().currentIndex()) << c.tbSelements->text()
              << c.cbGenerate->text() << QString::number(c.ckbExperimental->isChecked())
              << QString::number(c.ckbTrial->isChecked())
              << QString::number(c.ckbScribbleArea->isChecked())
              << QString::number(c.ckbScribbleArea->isEnabled())
              << QString::number(c.ckbmanualpencilmarks->isChecked());
    return p;
}

QString describe(const Picture& a, const Picture& b) {
    for (qsizetype i = 0; i < std::min(a.cells.size(), b.cells.size()); ++i)
        if (a.cells[i] != b.cells[i]) return a.cells[i] + "  <>  " + b.cells[i];
    return a.options.join(" ") + "  <>  " + b.options.join(" ");
}

// A half-solved puzzle of size option `option`: the sample's givens, one solution value, manual
// pencil marks with one cell's marks edited by hand.
void halfSolve(FormHarness& h, int option) {
    h.chooseSize(option);
    const SizeOption& o = kSizeOptions[static_cast<std::size_t>(option)];
    const SamplePuzzle sample =
        loadSamples("singles-" + std::to_string(o.nRows) + "x" + std::to_string(o.nCols) + ".txt")
            .at(0);
    h.typeGrid(sample.puzzle);
    h.click(h.column().cbenterSolution);
    const int n = h.grid().rowCount();
    std::vector<int> open;
    for (int i = 0; i < n * n; ++i)
        if (sample.puzzle[static_cast<std::size_t>(i)] == '.') open.push_back(i);
    h.typeAt(open[0] / n, open[0] % n,
             QString(QChar(sample.solution[static_cast<std::size_t>(open[0])])));
    h.answer = false;  // keep the computed marks
    h.click(h.column().ckbmanualpencilmarks);
    h.doubleClickCell(open[1] / n, open[1] % n);
    PencilMarkBox& box = h.form.pencilMarkBox();
    box.setText(box.text().left(1) + h.column().tbSelements->text().right(1));
    QTest::keyClick(&box, Qt::Key_Return);
    h.answer = true;
}

}  // namespace

class SaveLoadTest : public QObject {
    Q_OBJECT
  private slots:
    void initTestCase() {
        prepareApplication();
        QStandardPaths::setTestModeEnabled(true);
    }

    void dialogsHaveTheirTitlesFiltersAndFolderAndCancelChangesNothing() {
        FormHarness h;
        // The window's own folder is the user's data folder, with its "saved" made on demand.
        const QString data = QStandardPaths::writableLocation(QStandardPaths::AppDataLocation);
        QDir(data).removeRecursively();
        QCOMPARE(QString::fromStdString(h.form.fileDialogs().programFolder().string()), data);
        const QString saved = QDir(data).filePath("saved");
        QVERIFY(QDir(saved).exists());
        QDir(saved).removeRecursively();

        QuietFileDialogs cancel;
        cancel.folder = data.toStdString();
        h.wb().fControl().setFileDialogs(cancel);
        h.typeAt(0, 0, "5");
        const Picture before = take(h);
        h.click(h.column().cbSave);
        auto save = h.form.fileDialogs().makeDialog(cancel.lastRequest, true);
        QCOMPARE(save->windowTitle(), QString("Save Current Puzzle"));
        QCOMPARE(save->nameFilters(),
                 QStringList({"Sudoku Velmora files (*.svl)", "All files (*)"}));
        QCOMPARE(save->defaultSuffix(), QString("svl"));
        QCOMPARE(save->acceptMode(), QFileDialog::AcceptSave);
        QVERIFY(!save->testOption(QFileDialog::DontConfirmOverwrite));
        QVERIFY(QDir(saved).exists());  // made again by the Save command
        QCOMPARE(QDir(save->directory()).canonicalPath(), QDir(saved).canonicalPath());

        h.click(h.column().cbLoad);
        auto load = h.form.fileDialogs().makeDialog(cancel.lastRequest, false);
        QCOMPARE(load->windowTitle(), QString("Load a saved Puzzle"));
        QCOMPARE(load->nameFilters(), save->nameFilters());
        QCOMPARE(load->acceptMode(), QFileDialog::AcceptOpen);
        QCOMPARE(load->fileMode(), QFileDialog::ExistingFile);
        QVERIFY(take(h) == before);
        QVERIFY(h.boxes.empty());
        QVERIFY(QDir(saved).entryList(QDir::Files).isEmpty());
    }

    void halfSolvedPuzzleComesBackInEveryBoxShape_data() {
        QTest::addColumn<int>("option");
        for (int option = 0; option < SizeFrame::kOptions; ++option)
            QTest::addRow("%s", qPrintable(SizeFrame(nullptr).option(option)->text())) << option;
    }

    void halfSolvedPuzzleComesBackInEveryBoxShape() {
        QFETCH(int, option);
        QTemporaryDir dir;
        QVERIFY(dir.isValid());
        FormHarness h;
        h.activate();
        QuietFileDialogs dialogs;
        dialogs.folder = dir.path().toStdString();
        h.wb().fControl().setFileDialogs(dialogs);
        h.chooseLanguage(option % 3);
        halfSolve(h, option);
        if (option == 0) {
            // Element characters of the user's own, typed in lower case.
            h.column().tbSelements->setFocus();
            h.column().tbSelements->setText("abcdefghi");
            h.grid().setFocus();
            QCOMPARE(h.column().tbSelements->text(), QString("ABCDEFGHI"));
            h.wb().gControl().bUnloadGrid();
        }
        if (option == 3) h.click(h.column().ckbTrial);
        const Picture before = take(h);
        h.boxes.clear();

        dialogs.answer = std::filesystem::path(dir.filePath("puzzle.svl").toStdString());
        h.click(h.column().cbSave);
        QVERIFY(QFile::exists(dir.filePath("puzzle.svl")));

        // Another puzzle, size and set of options in between.
        h.chooseLanguage((option + 1) % 3);
        h.click(h.column().ckbmanualpencilmarks);
        h.chooseSize(option == 1 ? 0 : 1);
        h.typeAt(2, 2, "7");
        h.click(h.column().ckbExperimental);
        h.click(h.column().ckbScribbleArea);

        h.click(h.column().cbLoad);
        const Picture after = take(h);
        QVERIFY2(after == before, qPrintable(describe(after, before)));
        QVERIFY2(h.boxes.empty(), qPrintable(h.takeBoxTexts().join(" | ")));
        QVERIFY(!h.column().cbUndo->isEnabled());
        QVERIFY(!h.wb().fControl().Loading);
    }
};

}  // namespace velmora::ui::test

QTEST_MAIN(velmora::ui::test::SaveLoadTest)
#include "save_load_test.moc"
