// Making and writing a puzzle book from the window: one Generate per turn of the event loop
// behind a modal progress dialog with a Cancel button, so the window keeps painting and the user
// can stop at any puzzle or page. The window's own puzzle is not touched: the book has a
// workbench of its own.
#pragma once

#include <QString>
#include <cstdint>
#include <string>

#include "book_dialog.h"

class QWidget;

namespace velmora::ui {

enum class BookRunOutcome { Written, Cancelled, Failed };

struct BookRunResult {
    BookRunOutcome outcome = BookRunOutcome::Failed;
    std::string message;  // what to tell the user, in the book's language; empty when cancelled
    int pages = 0;
};

// Makes choice.request's puzzles from `seed` and writes the book to `path`. A cancelled or
// failed book leaves `path` as it was.
BookRunResult runBook(QWidget* parent, const BookChoice& choice, const QString& path,
                      std::uint64_t seed);

}  // namespace velmora::ui
