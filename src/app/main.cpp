// Sudoku Velmora: the desktop workbench.
#include <QApplication>

#include "main_form.h"

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    QApplication::setApplicationName("sudoku-velmora");
    // One look on every desktop, and the look whose buttons show the phase highlight.
    QApplication::setStyle("Fusion");
    velmora::ui::MainForm form;
    form.show();
    return QApplication::exec();
}
