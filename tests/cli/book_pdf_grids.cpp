#include "book_pdf_grids.h"

#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <sstream>

namespace velmora::book::test {

namespace {

struct Word {
    double xMin, yMin, xMax, yMax;
    std::string text;
};

double attribute(const std::string& line, const std::string& name) {
    const auto at = line.find(name + "=\"");
    return at == std::string::npos ? 0 : std::atof(line.c_str() + at + name.size() + 2);
}

// The -bbox output: a <page> line for each page, then a <word> line for each word.
std::vector<std::vector<Word>> readWords(const std::string& html, PdfText& text) {
    std::vector<std::vector<Word>> pages;
    std::istringstream in(html);
    for (std::string line; std::getline(in, line);) {
        if (line.find("<page ") != std::string::npos) {
            pages.emplace_back();
            text.pageWidths.push_back(attribute(line, "width"));
            text.pageHeights.push_back(attribute(line, "height"));
        } else if (line.find("<word ") != std::string::npos && !pages.empty()) {
            const auto open = line.find('>');
            const auto close = line.find("</word>");
            pages.back().push_back({attribute(line, "xMin"), attribute(line, "yMin"),
                                    attribute(line, "xMax"), attribute(line, "yMax"),
                                    line.substr(open + 1, close - open - 1)});
        }
    }
    return pages;
}

std::string gridOf(const std::vector<Word>& words, const QRectF& grid, int n) {
    std::string cells(static_cast<std::size_t>(n * n), '.');
    const double cell = grid.width() / n;
    for (const Word& w : words) {
        // Characters run together into one word share its width.
        const double width = (w.xMax - w.xMin) / static_cast<double>(w.text.size());
        for (std::size_t i = 0; i < w.text.size(); ++i) {
            const double x = w.xMin + width * (static_cast<double>(i) + 0.5);
            const double y = (w.yMin + w.yMax) / 2;
            if (!grid.contains(x, y)) continue;
            const int col = static_cast<int>((x - grid.left()) / cell);
            const int row = static_cast<int>((y - grid.top()) / cell);
            cells[static_cast<std::size_t>(row * n + col)] = w.text[i];
        }
    }
    return cells;
}

}  // namespace

bool havePdfToText() {
    return std::system("pdftotext -v >/dev/null 2>&1") == 0;
}

PdfText readBook(const std::string& pdf, const BookPlan& plan, int n) {
    PdfText text;
    const std::string html = pdf + ".html";
    if (std::system(("pdftotext -bbox '" + pdf + "' '" + html + "'").c_str()) != 0) return text;
    std::ifstream file(html);
    std::stringstream all;
    all << file.rdbuf();
    std::remove(html.c_str());
    const auto pages = readWords(all.str(), text);
    for (std::size_t p = 0; p < pages.size(); ++p) {
        std::string words;
        for (const Word& w : pages[p])
            words += w.text + ' ';
        text.pageTexts.push_back(words);
        if (p >= plan.pages().size()) continue;
        const BookPage& page = plan.pages()[p];
        const SlotGrid& slotGrid = plan.gridsOf(page.solutions);
        for (int k = 0; k < page.count; ++k)
            text.grids.push_back(gridOf(pages[p], slotGrid.grids[static_cast<std::size_t>(k)], n));
    }
    return text;
}

}  // namespace velmora::book::test
