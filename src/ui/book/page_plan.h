// Where everything of a puzzle book goes: the paper, how many grids a page carries and where each
// sits, and which puzzles land on which page. Sizes are in points (1/72 inch) from the page's top
// left corner.
#pragma once

#include <QLocale>
#include <QPageSize>
#include <QRectF>
#include <QSizeF>
#include <string>
#include <vector>

#include "model/box_shape.h"

namespace velmora::book {

enum class Paper { A4, Letter };

QPageSize pageSizeOf(Paper paper);
// Letter where the locale's country uses it (the United States and Canada), else A4.
Paper defaultPaper(const QLocale& locale = QLocale::system());

// The puzzles a page may carry for N x N grids: cells stay big enough to write in.
std::vector<int> perPageChoices(int n);
int defaultPerPage(int n);
// The least cell side, in millimetres, that handwriting needs in an N x N grid.
double leastCellMm(int n);
// The solutions a page carries: more than the puzzles, so they come out smaller.
int solutionsPerPage(int n);

// The grids of one kind of page.
struct SlotGrid {
    double cell = 0;             // a cell's side
    std::vector<QRectF> grids;   // each grid, row by row of slots
    std::vector<QRectF> labels;  // the line below each grid
};

// `count` grids of N x N cells in columns and rows over the page's free area, each with a label
// line below it, cells no larger than `largestCell`.
SlotGrid arrangeSlots(QSizeF page, int n, int count, double largestCell);

// Why `perPage` puzzles of N x N do not fit a page of `paper`, in `language`; empty when they do.
std::string perPageProblem(int n, int perPage, Paper paper, int language);

struct BookPage {
    bool solutions = false;
    int first = 0;  // index of the page's first puzzle
    int count = 0;
};

class BookPlan {
  public:
    BookPlan(Paper paper, BoxShape shape, int puzzleCount, int perPage, bool withSolutions);

    QSizeF pageSize() const { return page_; }
    const std::vector<BookPage>& pages() const { return pages_; }
    int pageCount() const { return static_cast<int>(pages_.size()); }
    const SlotGrid& gridsOf(bool solutions) const { return solutions ? solutions_ : puzzles_; }
    QRectF titleArea() const;
    QRectF footerArea() const;

  private:
    QSizeF page_;
    SlotGrid puzzles_;
    SlotGrid solutions_;
    std::vector<BookPage> pages_;
};

}  // namespace velmora::book
