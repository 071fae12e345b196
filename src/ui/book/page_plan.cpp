#include "page_plan.h"

#include <algorithm>
#include <charconv>

#include "texts/book_texts.h"

namespace velmora::book {

namespace {

constexpr double kPointsPerMm = 72.0 / 25.4;
constexpr double kMargin = 36;
constexpr double kHeader = 34;
constexpr double kFooter = 22;
constexpr double kLabel = 16;
constexpr double kGapX = 18;
constexpr double kGapY = 10;
// A single small grid on a page need not grow to the page's width.
constexpr double kLargestCellMm = 16;
// Solutions are a reference, never the place to write: at most this share of a puzzle's cell.
constexpr double kSolutionScale = 0.75;

QRectF freeArea(QSizeF page) {
    return {kMargin, kMargin + kHeader, page.width() - 2 * kMargin,
            page.height() - 2 * kMargin - kHeader - kFooter};
}

int columnsFor(int count) {
    if (count <= 2) return 1;
    return count <= 8 ? 2 : 3;
}

// One decimal, with the language's decimal sign whatever the process's locale.
std::string millimetres(double mm, int language) {
    char text[32];
    const auto end = std::to_chars(text, text + sizeof text, mm, std::chars_format::fixed, 1).ptr;
    std::string result(text, end);
    if (language == 1 || language == 2) std::replace(result.begin(), result.end(), '.', ',');
    return result;
}

}  // namespace

QPageSize pageSizeOf(Paper paper) {
    return QPageSize(paper == Paper::Letter ? QPageSize::Letter : QPageSize::A4);
}

Paper defaultPaper(const QLocale& locale) {
    const QLocale::Territory t = locale.territory();
    return t == QLocale::UnitedStates || t == QLocale::Canada ? Paper::Letter : Paper::A4;
}

std::vector<int> perPageChoices(int n) {
    if (n <= 9) return {1, 2, 4, 6};
    if (n <= 12) return {1, 2, 4};
    return {1, 2};
}

int defaultPerPage(int n) {
    return n <= 12 ? 4 : 2;
}

double leastCellMm(int n) {
    return n <= 9 ? 7.0 : 6.0;
}

int solutionsPerPage(int n) {
    if (n <= 9) return 12;
    return n <= 12 ? 6 : 4;
}

SlotGrid arrangeSlots(QSizeF page, int n, int count, double largestCell) {
    SlotGrid g;
    if (n < 1 || count < 1) return g;
    const QRectF area = freeArea(page);
    const int columns = columnsFor(count);
    const int rows = (count + columns - 1) / columns;
    const double slotW = (area.width() - (columns - 1) * kGapX) / columns;
    const double slotH = (area.height() - (rows - 1) * kGapY) / rows;
    g.cell = std::min({slotW / n, (slotH - kLabel) / n, largestCell});
    const double side = g.cell * n;
    for (int k = 0; k < count; ++k) {
        const double left = area.left() + (k % columns) * (slotW + kGapX);
        const double top = area.top() + (k / columns) * (slotH + kGapY);
        const double y = top + (slotH - kLabel - side) / 2;
        g.grids.emplace_back(left + (slotW - side) / 2, y, side, side);
        g.labels.emplace_back(left, y + side, slotW, kLabel);
    }
    return g;
}

std::string perPageProblem(int n, int perPage, Paper paper, int language) {
    const std::vector<int> choices = perPageChoices(n);
    const std::string grid = std::to_string(n) + "x" + std::to_string(n);
    const std::string count = std::to_string(perPage);
    const QSizeF page = pageSizeOf(paper).size(QPageSize::Point);
    const double cellMm = arrangeSlots(page, n, perPage, 1e9).cell / kPointsPerMm;
    if (perPage >= 1 && cellMm < leastCellMm(n))
        return bookText(BookText::CellsTooSmall, language,
                        {count, grid, millimetres(cellMm, language),
                         millimetres(leastCellMm(n), language), choiceList(choices, language)});
    if (std::find(choices.begin(), choices.end(), perPage) == choices.end())
        return bookText(BookText::NotOffered, language,
                        {count, grid, choiceList(choices, language)});
    return {};
}

BookPlan::BookPlan(Paper paper, BoxShape shape, int puzzleCount, int perPage, bool withSolutions)
    : page_(pageSizeOf(paper).size(QPageSize::Point)) {
    const int n = shape.n();
    perPage = std::max(perPage, 1);
    puzzles_ = arrangeSlots(page_, n, perPage, kLargestCellMm * kPointsPerMm);
    const int perSolutionPage = std::max(solutionsPerPage(n), perPage);
    solutions_ = arrangeSlots(page_, n, perSolutionPage, puzzles_.cell * kSolutionScale);
    for (int first = 0; first < puzzleCount; first += perPage)
        pages_.push_back({false, first, std::min(perPage, puzzleCount - first)});
    if (!withSolutions) return;
    for (int first = 0; first < puzzleCount; first += perSolutionPage)
        pages_.push_back({true, first, std::min(perSolutionPage, puzzleCount - first)});
}

QRectF BookPlan::titleArea() const {
    return {kMargin, kMargin, page_.width() - 2 * kMargin, kHeader};
}

QRectF BookPlan::footerArea() const {
    return {kMargin, page_.height() - kMargin - kFooter, page_.width() - 2 * kMargin, kFooter};
}

}  // namespace velmora::book
