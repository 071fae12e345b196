#include "book_run.h"

#include <QCoreApplication>
#include <QProgressDialog>

#include "pdf_book_file.h"
#include "texts/book_texts.h"

namespace velmora::ui {

namespace {

QString text(book::BookText id, int language, std::initializer_list<std::string_view> args = {}) {
    return QString::fromStdString(book::bookText(id, language, args));
}

// Shows the step, lets the window paint and the Cancel button be pressed; false once it was.
bool advance(QProgressDialog& progress, int value, const QString& label) {
    progress.setLabelText(label);
    progress.setValue(value);
    QCoreApplication::processEvents();
    return !progress.wasCanceled();
}

}  // namespace

BookRunResult runBook(QWidget* parent, const BookChoice& choice, const QString& path,
                      std::uint64_t seed) {
    const int language = choice.options.language;
    const int count = choice.request.count;
    BookRunResult result;
    book::PdfBookFile file(path);
    result.message = file.open(language);
    if (!result.message.empty()) return result;

    QProgressDialog progress(parent);
    progress.setObjectName("bookProgress");
    progress.setWindowTitle(text(book::BookText::DialogTitle, language));
    progress.setCancelButtonText(text(book::BookText::CancelButton, language));
    // Shown at once and modal: the window's own commands cannot run between two puzzles.
    progress.setWindowModality(Qt::WindowModal);
    progress.setMinimumDuration(0);
    progress.setAutoReset(false);
    progress.setAutoClose(false);
    // The pages are known once the puzzles are; until then they count as one step.
    progress.setRange(0, count + 1);
    progress.show();

    book::BookGenerator generator(choice.request, seed);
    while (!generator.finished()) {
        const int made = static_cast<int>(generator.puzzles().size());
        const QString label = text(book::BookText::Making, language,
                                   {std::to_string(made + 1), std::to_string(count)});
        if (!advance(progress, made, label)) {
            file.cancel();
            result.outcome = BookRunOutcome::Cancelled;
            result.message.clear();
            return result;
        }
        if (generator.step() == book::BookGenerator::Outcome::GaveUp) {
            file.cancel();
            result.message = book::bookText(
                book::BookText::LevelGaveUp, language,
                {book::levelName(*choice.request.level, language),
                 std::to_string(book::kAttemptsPerPuzzle), std::to_string(made + 1)});
            return result;
        }
    }

    const std::vector<book::BookPuzzle> puzzles = generator.takePuzzles();
    result.message = file.write(puzzles, choice.options, [&](int page, int pages) {
        progress.setMaximum(count + pages);
        return advance(
            progress, count + page - 1,
            text(book::BookText::Writing, language, {std::to_string(page), std::to_string(pages)}));
    });
    result.pages = file.pagesWritten();
    if (file.cancelled()) {
        result.outcome = BookRunOutcome::Cancelled;
    } else if (result.message.empty()) {
        result.outcome = BookRunOutcome::Written;
        result.message = book::bookText(book::BookText::Written, language, {path.toStdString()});
    }
    return result;
}

}  // namespace velmora::ui
