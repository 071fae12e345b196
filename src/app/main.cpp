// Sudoku Velmora: the desktop workbench.
#include <QApplication>
#include <QIcon>
#include <cstring>
#include <iostream>

#include "main_form.h"
#include "velmora_version.h"

int main(int argc, char* argv[]) {
    // Answered before any window exists, so they work without a display.
    for (int i = 1; i < argc; ++i) {
        if (std::strcmp(argv[i], "--version") == 0) {
            std::cout << "sudoku-velmora " << velmora::kProgramVersion << '\n';
            return 0;
        }
        if (std::strcmp(argv[i], "--help") == 0 || std::strcmp(argv[i], "-h") == 0) {
            std::cout << "usage: sudoku-velmora [--help | --version] [FILE]\n"
                         "Sudoku Velmora, the Sudoku workbench of Velmora Puzzle Works.\n"
                         "FILE, a save file (.svl) or a puzzle in any format Load reads, is "
                         "opened at start.\n";
            return 0;
        }
    }
    QApplication app(argc, argv);
    QApplication::setApplicationName("sudoku-velmora");
    QGuiApplication::setDesktopFileName("example.velmora.SudokuVelmora");
    QIcon icon;
    for (const int px : {16, 32, 48, 64, 128, 256})
        icon.addFile(QStringLiteral(":/icons/app/%1.png").arg(px));
    QApplication::setWindowIcon(icon);
    // One look on every desktop, and the look whose buttons show the phase highlight.
    QApplication::setStyle("Fusion");
    velmora::ui::MainForm form;
    form.show();
    const QStringList args = QApplication::arguments();
    if (args.size() > 1) form.openFile(args.at(1));
    return QApplication::exec();
}
