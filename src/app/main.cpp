// Sudoku Velmora: the desktop workbench.
#include <QApplication>
#include <QIcon>
#include <QSessionManager>
#include <cstring>
#include <iostream>

#include "commands/session_keeping.h"
#include "main_form.h"
#include "qt_file_dialogs.h"
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
    // The puzzle of the last run comes back, and this one is kept however the program ends.
    form.keepSessionIn(form.fileDialogs().programFolder() / std::string(velmora::kSessionFileName));
    form.restoreSession();
    QObject::connect(&app, &QGuiApplication::commitDataRequest, &form,
                     [&form](QSessionManager&) { form.keepSession(); });
    QObject::connect(&app, &QCoreApplication::aboutToQuit, &form,
                     [&form] { form.sessionEnding(); });
    form.show();
    const QStringList args = QApplication::arguments();
    if (args.size() > 1) form.openFile(args.at(1));
    return QApplication::exec();
}
