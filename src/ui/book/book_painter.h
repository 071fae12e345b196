// Paints the pages of a puzzle book in print style: white cells, black lines, thicker box
// borders, each grid with its label below, a title on top and the page number at the foot. Cells
// go through the same cell painting as the screen and Print.
#pragma once

#include <QString>
#include <string>
#include <vector>

#include "book_options.h"
#include "book_puzzle.h"
#include "page_plan.h"

class QPainter;
class QRectF;

namespace velmora::book {

class BookPainter {
  public:
    // The puzzles all have the plan's shape and must outlive the painter.
    BookPainter(const BookPlan& plan, const std::vector<BookPuzzle>& puzzles,
                const BookOptions& options);

    // Paints page `index` on `painter`, whose device has `dotsPerPoint` units to a point.
    void paintPage(QPainter& painter, int index, double dotsPerPoint) const;

    // The line below puzzle `index` (0-based) on a puzzle page or a solution page.
    std::string puzzleLabel(int index) const;
    std::string solutionLabel(int index) const;
    std::string title() const;

  private:
    void paintGrid(QPainter& painter, const QRectF& grid, const BookPuzzle& puzzle, bool solution,
                   double cellPoints) const;

    const BookPlan& plan_;
    const std::vector<BookPuzzle>& puzzles_;
    BookOptions options_;
    QString family_;
};

}  // namespace velmora::book
