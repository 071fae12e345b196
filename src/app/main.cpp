// Sudoku Velmora: the desktop workbench.
#include <QApplication>
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
            std::cout << "usage: sudoku-velmora [--help | --version]\n"
                         "Sudoku Velmora, the Sudoku workbench of Velmora Puzzle Works.\n";
            return 0;
        }
    }
    QApplication app(argc, argv);
    QApplication::setApplicationName("sudoku-velmora");
    // One look on every desktop, and the look whose buttons show the phase highlight.
    QApplication::setStyle("Fusion");
    velmora::ui::MainForm form;
    form.show();
    return QApplication::exec();
}
