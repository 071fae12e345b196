// Reads the grids of a puzzle-book PDF back from its text, as a reader's PDF tool sees it: the
// words and their boxes from poppler's pdftotext, each value placed in the cell its middle falls
// in. The grids' places come from the book's page plan.
#pragma once

#include <string>
#include <vector>

#include "page_plan.h"

namespace velmora::book::test {

// True when pdftotext can be run.
bool havePdfToText();

struct PdfText {
    std::vector<double> pageWidths;  // points
    std::vector<double> pageHeights;
    std::vector<std::string> pageTexts;  // every word of a page, separated by blanks
    std::vector<std::string> grids;      // one-line grids, puzzle pages first, '.' for empty
};

// The pages of `pdf` and the grids the plan puts on them; N is the plan's grid side.
PdfText readBook(const std::string& pdf, const BookPlan& plan, int n);

}  // namespace velmora::book::test
