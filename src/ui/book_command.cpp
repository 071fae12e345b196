#include "book_command.h"

#include <QFile>
#include <QStandardPaths>

#include "book_dialog.h"
#include "book_run.h"
#include "commands/workbench.h"
#include "model/random.h"
#include "texts/book_texts.h"

namespace velmora::ui {

namespace {

// A dozen puzzles fill two to three pages of every shape.
constexpr int kStartCount = 12;

}  // namespace

BookChoice windowBookChoice(Workbench& wb) {
    const PuzzleControl& pc = wb.pc();
    WindowSettings& settings = wb.settings();
    BookChoice c;
    c.request.shape = {pc.nRows, pc.nCols};
    c.request.difficulty = settings.difficulty();
    c.request.rules.singles = settings.subsetSwitch(0);
    c.request.rules.pairs = settings.subsetSwitch(1);
    c.request.rules.triplets = settings.subsetSwitch(2);
    c.request.rules.quads = settings.subsetSwitch(3);
    c.request.rules.more = settings.subsetSwitch(4);
    c.request.rules.grabs = settings.grabsSwitch();
    c.request.rules.hiddenPairs = settings.hiddenPairsSwitch();
    c.request.count = kStartCount;
    c.request.elements = pc.sElements;
    c.options.language = pc.wLanguage;
    c.options.paper = book::defaultPaper();
    c.options.perPage = book::defaultPerPage(c.request.shape.n());
    return c;
}

void makePuzzleBook(QWidget* parent, Workbench& wb) {
    BookDialog dialog(windowBookChoice(wb), parent);
    if (dialog.exec() != QDialog::Accepted) return;
    const BookChoice choice = dialog.choice();
    const int language = choice.options.language;

    FileDialogRequest request;
    request.title = book::bookText(book::BookText::SaveTitle, language);
    request.filter = book::bookText(book::BookText::PdfFilter, language) + "|*.pdf";
    request.defaultExtension = "pdf";
    request.initialFolder =
        QFile::encodeName(QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation))
            .toStdString();
    request.confirmOverwrite = true;
    const auto path = wb.fileDialogs().saveFileName(request);
    if (!path) return;

    const BookRunResult result =
        runBook(parent, choice, QFile::decodeName(QByteArray::fromStdString(path->native())),
                Random::clockSeed());
    if (result.outcome != BookRunOutcome::Cancelled) wb.messages().information(result.message);
}

}  // namespace velmora::ui
