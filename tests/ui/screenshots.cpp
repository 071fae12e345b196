// Saves pictures of the window for looking at: ui_screenshots DIR writes one PNG per grid size,
// each with a sample puzzle typed in, candidates shown and one conflict.
#include <QApplication>
#include <QCheckBox>
#include <QDir>
#include <QPixmap>
#include <QTest>

#include "command_column.h"
#include "entry_grid.h"
#include "form_harness.h"
#include "model/workbench.h"
#include "named_controls_port.h"
#include "statistics_panel.h"
#include "texts/language_tables.h"

using velmora::ui::test::FormHarness;

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    velmora::ui::test::prepareApplication();
    const QString dir = argc > 1 ? QString::fromLocal8Bit(argv[1]) : QDir::currentPath();
    const struct {
        int option;
        const char* file;
        const char* name;
        int language;
    } shots[] = {{0, "singles-3x3.txt", "grid-9x9.png", 0},
                 {2, "singles-2x2.txt", "grid-4x4.png", 0},
                 {9, "singles-3x6.txt", "grid-18x18.png", 0},
                 {1, "singles-4x4.txt", "grid-16x16-german.png", 1}};
    for (const auto& s : shots) {
        FormHarness h;
        if (s.language != 0) {
            velmora::ui::NamedControlsPort controls(h.form);
            velmora::applyLanguage(s.language, controls);
        }
        h.chooseSize(s.option);
        const auto sample = velmora::ui::test::loadSamples(s.file).at(0);
        h.typeGrid(sample.puzzle);
        h.click(h.column().cbenterSolution);
        // One solution value, then a given's value again in an open cell of its row.
        const int n = h.grid().rowCount();
        const auto& p = sample.puzzle;
        const auto at = [&p](int i) { return p[static_cast<std::size_t>(i)]; };
        int open = 0;
        while (at(open) != '.')
            ++open;
        h.typeAt(open / n, open % n,
                 QString(QChar(sample.solution[static_cast<std::size_t>(open)])));
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
        h.click(h.form.statistics().statisticsBox());
        h.grid().setCurrentCell(n - 1, n - 1);
        QApplication::processEvents();
        const QString path = QDir(dir).filePath(s.name);
        if (!h.form.grab().save(path)) return 1;
        qInfo("%s", qPrintable(path));
    }
    return 0;
}
