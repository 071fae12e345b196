// A puzzle book written as a PDF file through QPdfWriter: vector grids and real text with its
// fonts embedded, so the values can be searched and copied. The file is written beside its place
// and put there only when the book is complete, so a failed or cancelled book leaves no half file.
#pragma once

#include <QSaveFile>
#include <QString>
#include <functional>
#include <string>
#include <vector>

#include "book_options.h"
#include "book_puzzle.h"

namespace velmora::book {

// Told before each page is painted (page 1-based, pages); false stops the book.
using PageProgress = std::function<bool(int page, int pages)>;

class PdfBookFile {
  public:
    explicit PdfBookFile(const QString& path) : file_(path) {}

    // Opens the file for writing; the reason it cannot be written, in `language`, or empty. Open
    // it before the puzzles are made, so that a wrong path costs no waiting.
    std::string open(int language);
    // Paints every page and puts the file in place; the error, or empty when it was written.
    // Needs a QGuiApplication for the fonts. A stop from `progress` leaves no file and returns an
    // empty text with cancelled() true.
    std::string write(const std::vector<BookPuzzle>& puzzles, const BookOptions& options,
                      const PageProgress& progress = {});
    // Drops what was written; the path stays as it was.
    void cancel() { file_.cancelWriting(); }
    bool cancelled() const { return cancelled_; }
    int pagesWritten() const { return pages_; }

  private:
    std::string failure(int language) const;

    QSaveFile file_;
    bool cancelled_ = false;
    int pages_ = 0;
};

}  // namespace velmora::book
