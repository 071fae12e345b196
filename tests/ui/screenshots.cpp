// Saves pictures of the window for looking at: ui_screenshots [--print] DIR writes PNGs of the
// window at several sizes (a sample puzzle typed in, candidates shown, one conflict), in German
// and in French, with the pencil-mark editor open and with the statistics panel counting. With
// --print it also prints a 9x9 and an 18x18 grid with candidates to PDF files, as the Print
// button does after its dialog.
#include <QApplication>
#include <QCheckBox>
#include <QDir>
#include <QPixmap>
#include <QPrinter>
#include <QTest>

#include "command_column.h"
#include "entry_grid.h"
#include "form_harness.h"
#include "grid_printer.h"
#include "model/workbench.h"
#include "pencil_mark_box.h"
#include "statistics_panel.h"

using velmora::ui::test::FormHarness;

namespace {

// Types the first sample of `file` at size option `option`, then one solution value and one
// conflicting value, and ticks "Show Pencil Marks".
void fillSample(FormHarness& h, int option, const char* file) {
    h.chooseSize(option);
    const auto sample = velmora::ui::test::loadSamples(file).at(0);
    h.typeGrid(sample.puzzle);
    h.click(h.column().cbenterSolution);
    const int n = h.grid().rowCount();
    const auto& p = sample.puzzle;
    const auto at = [&p](int i) { return p[static_cast<std::size_t>(i)]; };
    int open = 0;
    while (at(open) != '.')
        ++open;
    h.typeAt(open / n, open % n, QString(QChar(sample.solution[static_cast<std::size_t>(open)])));
    for (int clash = open + 1; clash < n * n; ++clash) {
        if (at(clash) != '.') continue;
        const int row = clash / n;
        int given = row * n;
        while (given < row * n + n && at(given) == '.')
            ++given;
        if (given == row * n + n) continue;
        h.typeAt(row, clash % n, QString(QChar(at(given))));
        break;
    }
    h.click(h.column().ckbScribbleArea);
}

bool save(FormHarness& h, const QString& dir, const char* name) {
    // A caption change reaches the window's size through several rounds of layout requests,
    // which a running event loop would deliver one after another.
    for (int round = 0; round < 5; ++round)
        QApplication::processEvents();
    const QString path = QDir(dir).filePath(name);
    if (!h.form.grab().save(path)) return false;
    qInfo("%s", qPrintable(path));
    return true;
}

bool print(FormHarness& h, const QString& dir, const char* name) {
    QPrinter printer(QPrinter::HighResolution);
    printer.setOutputFormat(QPrinter::PdfFormat);
    const QString path = QDir(dir).filePath(name);
    printer.setOutputFileName(path);
    if (!velmora::ui::printGrid(printer, h.grid())) return false;
    qInfo("%s", qPrintable(path));
    return true;
}

}  // namespace

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    velmora::ui::test::prepareApplication();
    QStringList args = QApplication::arguments().mid(1);
    const bool printing = args.removeAll("--print") > 0;
    const QString dir = args.isEmpty() ? QDir::currentPath() : args.constFirst();

    const struct {
        int option;
        const char* file;
        const char* name;
        int language;
    } shots[] = {{0, "singles-3x3.txt", "grid-9x9.png", 0},
                 {2, "singles-2x2.txt", "grid-4x4.png", 0},
                 {9, "singles-3x6.txt", "grid-18x18.png", 0},
                 {1, "singles-4x4.txt", "grid-16x16-german.png", 1},
                 {0, "singles-3x3.txt", "window-german.png", 1},
                 {0, "singles-3x3.txt", "window-french.png", 2}};
    for (const auto& s : shots) {
        FormHarness h;
        h.chooseLanguage(s.language);
        fillSample(h, s.option, s.file);
        h.click(h.form.statistics().statisticsBox());
        const int n = h.grid().rowCount();
        h.grid().setCurrentCell(n - 1, n - 1);
        if (!save(h, dir, s.name)) return 1;
    }

    // The editor open over an empty cell and over a cell of the largest grid.
    for (const auto& [option, file, name] :
         {std::tuple{0, "singles-3x3.txt", "editor-9x9.png"},
          std::tuple{9, "singles-3x6.txt", "editor-18x18.png"}}) {
        FormHarness h;
        h.activate();
        fillSample(h, option, file);
        h.answer = false;
        h.click(h.column().ckbmanualpencilmarks);
        const auto& cells = h.form.workbench().theCells();
        int r = 0;
        int c = 0;
        while (cells.getCell(r, c).Sure) {
            if (++c == h.grid().columnCount()) {
                c = 0;
                ++r;
            }
        }
        h.doubleClickCell(r, c);
        h.form.pencilMarkBox().end(false);
        if (!save(h, dir, name)) return 1;
    }

    // The statistics panel counting the complex rules on a 16x16 grid.
    {
        FormHarness h;
        fillSample(h, 1, "singles-4x4.txt");
        h.click(h.column().ckbExperimental);
        h.click(h.form.statistics().statisticsBox());
        if (!save(h, dir, "statistics-16x16.png")) return 1;
    }

    if (printing) {
        for (const auto& [option, file, name] :
             {std::tuple{0, "singles-3x3.txt", "print-9x9.pdf"},
              std::tuple{9, "singles-3x6.txt", "print-18x18.pdf"}}) {
            FormHarness h;
            fillSample(h, option, file);
            if (!print(h, dir, name)) return 1;
        }
    }
    return 0;
}
