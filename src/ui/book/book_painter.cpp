#include "book_painter.h"

#include <QFont>
#include <QFontDatabase>
#include <QFontMetricsF>
#include <QPainter>
#include <QPen>

#include "cell_painting.h"
#include "model/latin1.h"
#include "steps/candidate_grid.h"
#include "texts/book_texts.h"

namespace velmora::book {

namespace {

// Line widths in points: cells, boxes, the grid's outline.
struct LineWidths {
    double cell;
    double box;
    double outline;
};
constexpr LineWidths kPuzzleLines{0.5, 1.6, 2.2};
constexpr LineWidths kSolutionLines{0.4, 1.1, 1.5};

constexpr double kValueShare = 0.62;      // a value's font size to the cell's side
constexpr double kCandidateShare = 0.3;   // the candidates' font size before fitting
constexpr double kCandidateInset = 0.06;  // the candidates' margin to the cell's side
constexpr Colour kWhite = rgb(255, 255, 255);
constexpr Colour kBlack = rgb(0, 0, 0);
// Solved values stay apart from the givens, and print well in black and white.
constexpr Colour kSolved = rgb(96, 96, 96);
constexpr Colour kCandidate = rgb(110, 110, 110);

constexpr double kTitlePoints = 16;
constexpr double kLabelPoints = 9;
constexpr double kSolutionLabelPoints = 8;
constexpr double kFooterPoints = 9;

QString qt(const std::string& utf8) {
    return QString::fromUtf8(utf8.data(), static_cast<qsizetype>(utf8.size()));
}

// A plain face that every desktop has one of; the screen asks for Tahoma.
QString bookFamily() {
    const QStringList families = QFontDatabase::families();
    for (const char* name : {"Tahoma", "Verdana", "DejaVu Sans", "Liberation Sans", "Arial"})
        if (families.contains(QString(name), Qt::CaseInsensitive)) return name;
    return QFontDatabase::systemFont(QFontDatabase::GeneralFont).family();
}

QFont textFont(const QString& family, double points, bool bold = false) {
    QFont font(family);
    font.setPointSizeF(points);
    font.setBold(bold);
    return font;
}

QRectF scaled(const QRectF& r, double k) {
    return {r.left() * k, r.top() * k, r.width() * k, r.height() * k};
}

std::vector<std::string> elementTexts(const BookPuzzle& puzzle) {
    std::vector<std::string> texts;
    for (const char c : puzzle.elements)
        texts.push_back(latin1ToUtf8(std::string_view(&c, 1)));
    return texts;
}

void drawLines(QPainter& painter, const QRectF& grid, BoxShape shape, const LineWidths& widths,
               double k) {
    const int n = shape.n();
    const double cell = grid.width() / n;
    QPen pen(Qt::black);
    pen.setCapStyle(Qt::FlatCap);
    // Cell lines first, so the box borders lie on top of them.
    for (const bool boxes : {false, true}) {
        pen.setWidthF((boxes ? widths.box : widths.cell) * k);
        painter.setPen(pen);
        for (int i = 1; i < n; ++i) {
            const double x = grid.left() + i * cell;
            const double y = grid.top() + i * cell;
            if ((i % shape.cols == 0) == boxes)
                painter.drawLine(QPointF(x, grid.top()), QPointF(x, grid.bottom()));
            if ((i % shape.rows == 0) == boxes)
                painter.drawLine(QPointF(grid.left(), y), QPointF(grid.right(), y));
        }
    }
    pen.setWidthF(widths.outline * k);
    pen.setJoinStyle(Qt::MiterJoin);
    painter.setPen(pen);
    painter.setBrush(Qt::NoBrush);
    painter.drawRect(grid);
}

}  // namespace

BookPainter::BookPainter(const BookPlan& plan, const std::vector<BookPuzzle>& puzzles,
                         const BookOptions& options)
    : plan_(plan), puzzles_(puzzles), options_(options), family_(bookFamily()) {}

std::string BookPainter::title() const {
    return options_.title.empty() ? bookText(BookText::DefaultTitle, options_.language)
                                  : options_.title;
}

std::string BookPainter::puzzleLabel(int index) const {
    const int language = options_.language;
    const BookPuzzle& p = puzzles_[static_cast<std::size_t>(index)];
    const std::string n = std::to_string(p.shape.n());
    return bookText(BookText::Number, language, {std::to_string(index + 1)}) + " · " +
           bookText(BookText::GridShape, language,
                    {n, std::to_string(p.shape.rows), std::to_string(p.shape.cols)}) +
           " · " +
           bookText(BookText::LevelScore, language,
                    {levelName(p.rating.level, language), std::to_string(p.rating.score)});
}

std::string BookPainter::solutionLabel(int index) const {
    const int language = options_.language;
    std::string label = bookText(BookText::Number, language, {std::to_string(index + 1)});
    if (puzzles_[static_cast<std::size_t>(index)].solution.empty())
        label += " · " + bookText(BookText::NoSolution, language);
    return label;
}

void BookPainter::paintPage(QPainter& painter, int index, double dotsPerPoint) const {
    const double k = dotsPerPoint;
    const BookPage& page = plan_.pages()[static_cast<std::size_t>(index)];
    const SlotGrid& slotGrid = plan_.gridsOf(page.solutions);
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);

    std::string heading = title();
    if (page.solutions) heading += " · " + bookText(BookText::SolutionsHeading, options_.language);
    painter.setPen(Qt::black);
    const QFont titleFont = textFont(family_, kTitlePoints, true);
    const QRectF titleArea = scaled(plan_.titleArea(), k);
    painter.setFont(titleFont);
    painter.drawText(titleArea, Qt::AlignHCenter | Qt::AlignTop,
                     QFontMetricsF(titleFont, painter.device())
                         .elidedText(qt(heading), Qt::ElideRight, titleArea.width()));
    painter.setFont(textFont(family_, kFooterPoints));
    painter.drawText(scaled(plan_.footerArea(), k), Qt::AlignHCenter | Qt::AlignBottom,
                     qt(bookText(BookText::PageOf, options_.language,
                                 {std::to_string(index + 1), std::to_string(plan_.pageCount())})));

    const QFont labelFont = textFont(family_, page.solutions ? kSolutionLabelPoints : kLabelPoints);
    for (int slot = 0; slot < page.count; ++slot) {
        const int number = page.first + slot;
        const BookPuzzle& puzzle = puzzles_[static_cast<std::size_t>(number)];
        const QRectF grid = scaled(slotGrid.grids[static_cast<std::size_t>(slot)], k);
        paintGrid(painter, grid, puzzle, page.solutions, slotGrid.cell);
        drawLines(painter, grid, puzzle.shape, page.solutions ? kSolutionLines : kPuzzleLines, k);
        const QRectF label = scaled(slotGrid.labels[static_cast<std::size_t>(slot)], k);
        painter.setFont(labelFont);
        painter.setPen(Qt::black);
        const QString text = qt(page.solutions ? solutionLabel(number) : puzzleLabel(number));
        painter.drawText(label, Qt::AlignHCenter | Qt::AlignVCenter,
                         QFontMetricsF(labelFont, painter.device())
                             .elidedText(text, Qt::ElideRight, label.width()));
    }
    painter.restore();
}

void BookPainter::paintGrid(QPainter& painter, const QRectF& grid, const BookPuzzle& puzzle,
                            bool solution, double cellPoints) const {
    const int n = puzzle.shape.n();
    const double cell = grid.width() / n;
    const GridLayout layout{puzzle.shape, cellPoints, elementTexts(puzzle)};
    const bool solved = solution && !puzzle.solution.empty();
    const std::vector<int>& values = solved ? puzzle.solution : puzzle.givens;
    std::vector<std::uint32_t> candidates;
    if (options_.candidates && !solution)
        candidates = CandidateGrid::fromValues(puzzle.shape, puzzle.givens).candidates;
    CellView view;
    view.format.back = kWhite;
    view.format.fontName = family_.toStdString();
    for (int b = 0; b < n * n; ++b) {
        const auto at = static_cast<std::size_t>(b);
        const int v = values[at];
        const QRectF rect(grid.left() + (b % n) * cell, grid.top() + (b / n) * cell, cell, cell);
        if (v >= 1 && v <= static_cast<int>(layout.elements.size())) {
            view.format.fore = puzzle.givens[at] != 0 ? kBlack : kSolved;
            view.format.fontSize = cellPoints * kValueShare;
            view.format.alignment = CellAlignment::Centre;
            view.text = layout.elements[static_cast<std::size_t>(v - 1)];
            view.candidates = 0;
            ui::paintCell(painter, rect, view, layout);
        } else if (!candidates.empty() && candidates[at] != 0) {
            view.format.fore = kCandidate;
            view.format.fontSize = cellPoints * kCandidateShare;
            view.format.alignment = CellAlignment::TopCentre;
            view.text.clear();
            view.candidates = candidates[at];
            // Paper lines are thicker than the screen's: keep the small grid off them.
            const double inset = cell * kCandidateInset;
            ui::paintCell(painter, rect.adjusted(inset, inset, -inset, -inset), view, layout);
        }
        // Any other cell stays the white of the paper.
    }
}

}  // namespace velmora::book
