#include "pdf_book_file.h"

#include <QPageLayout>
#include <QPainter>
#include <QPdfWriter>

#include "book_painter.h"
#include "texts/book_texts.h"

namespace velmora::book {

namespace {

// Fine enough for hairlines and exact text positions; the PDF stays vector graphics.
constexpr int kResolution = 1200;

}  // namespace

std::string PdfBookFile::failure(int language) const {
    return bookText(BookText::CannotWrite, language,
                    {file_.fileName().toStdString(), file_.errorString().toStdString()});
}

std::string PdfBookFile::open(int language) {
    if (file_.open(QIODevice::WriteOnly)) return {};
    return failure(language);
}

std::string PdfBookFile::write(const std::vector<BookPuzzle>& puzzles, const BookOptions& options,
                               const PageProgress& progress) {
    cancelled_ = false;
    pages_ = 0;
    if (!file_.isOpen()) {
        const std::string error = open(options.language);
        if (!error.empty()) return error;
    }
    const BoxShape shape = puzzles.empty() ? BoxShape{} : puzzles.front().shape;
    const BookPlan plan(options.paper, shape, static_cast<int>(puzzles.size()), options.perPage,
                        options.solutions);
    const BookPainter painter(plan, puzzles, options);
    {
        QPdfWriter writer(&file_);
        writer.setResolution(kResolution);
        writer.setPageLayout(
            QPageLayout(pageSizeOf(options.paper), QPageLayout::Portrait, QMarginsF(0, 0, 0, 0)));
        writer.setTitle(QString::fromStdString(painter.title()));
        writer.setCreator("Sudoku Velmora");
        QPainter p;
        if (!p.begin(&writer)) {
            file_.cancelWriting();
            return failure(options.language);
        }
        const double dotsPerPoint = writer.resolution() / 72.0;
        for (int page = 0; page < plan.pageCount(); ++page) {
            if (progress && !progress(page + 1, plan.pageCount())) {
                cancelled_ = true;
                break;
            }
            if (page > 0) writer.newPage();
            painter.paintPage(p, page, dotsPerPoint);
            ++pages_;
        }
        p.end();
    }
    if (cancelled_) {
        file_.cancelWriting();
        return {};
    }
    if (!file_.commit()) return failure(options.language);
    return {};
}

}  // namespace velmora::book
