// The grid writers: plain, bordered and pencil-mark grids.
#include <algorithm>
#include <string>
#include <vector>

#include "formats/element_set.h"
#include "formats/puzzle_writer.h"

namespace velmora {

namespace {

char cellChar(const ExchangePuzzle& puzzle, const std::string& elements, int row, int col) {
    const int v = puzzle.givens[static_cast<std::size_t>(row * puzzle.shape.n() + col)];
    return v >= 1 && v <= puzzle.shape.n() ? elements[static_cast<std::size_t>(v - 1)] : '.';
}

// A border as long as `row`: `corner` at both ends, '+' where the row has an inner bar.
std::string ruleFor(const std::string& row, char corner, bool inner) {
    std::string rule(row.size(), '-');
    for (std::size_t i = 0; i < row.size(); ++i)
        if (row[i] == '|') rule[i] = inner ? '+' : '-';
    rule.front() = rule.back() = inner ? '|' : corner;
    return rule;
}

// Rows already laid out with '|' between boxes, framed and split into bands.
std::string framed(const std::vector<std::string>& rows, BoxShape shape) {
    std::string text = ruleFor(rows.front(), '*', false) + "\n";
    for (std::size_t r = 0; r < rows.size(); ++r) {
        if (r > 0 && r % static_cast<std::size_t>(shape.rows) == 0)
            text += ruleFor(rows.front(), '*', true) + "\n";
        text += rows[r] + "\n";
    }
    return text + ruleFor(rows.front(), '*', false) + "\n";
}

// A pencil-mark cell: see puzzle_writer.h.
std::string markCell(const ExchangePuzzle& puzzle, const std::string& elements, std::size_t cell) {
    const int n = puzzle.shape.n();
    const int v = puzzle.givens[cell];
    if (v >= 1 && v <= n) return std::string(1, elements[static_cast<std::size_t>(v - 1)]);
    const std::uint32_t mask = shownCandidates(puzzle, cell);
    std::string listed;
    for (std::size_t k = 0; k < elements.size(); ++k)
        if ((mask >> k) & 1U) listed += elements[k];
    return listed.size() < 2 ? "(" + listed + ")" : listed;
}

}  // namespace

std::string writeGrid(const ExchangePuzzle& puzzle, const WriteOptions& options) {
    const int n = puzzle.shape.n();
    const std::string elements = writingElements(options.elements, n);
    std::string text;
    for (int row = 0; row < n; ++row) {
        for (int col = 0; col < n; ++col) {
            if (col > 0 && col % puzzle.shape.cols == 0) text += ' ';
            text += cellChar(puzzle, elements, row, col);
        }
        text += '\n';
    }
    return text;
}

std::string writeBordered(const ExchangePuzzle& puzzle, const WriteOptions& options) {
    const int n = puzzle.shape.n();
    const std::string elements = writingElements(options.elements, n);
    std::vector<std::string> rows;
    for (int row = 0; row < n; ++row) {
        std::string line = "|";
        for (int col = 0; col < n; ++col) {
            line += cellChar(puzzle, elements, row, col);
            if ((col + 1) % puzzle.shape.cols == 0) line += '|';
        }
        rows.push_back(std::move(line));
    }
    return framed(rows, puzzle.shape);
}

std::string writePencilMarks(const ExchangePuzzle& puzzle, const WriteOptions& options) {
    const int n = puzzle.shape.n();
    const auto side = static_cast<std::size_t>(n);
    const std::string elements = writingElements(options.elements, n);
    std::vector<std::string> cells(puzzle.givens.size());
    std::vector<std::size_t> widths(side, 0);
    for (std::size_t cell = 0; cell < cells.size(); ++cell) {
        cells[cell] = markCell(puzzle, elements, cell);
        widths[cell % side] = std::max(widths[cell % side], cells[cell].size());
    }
    std::vector<std::string> rows;
    for (std::size_t row = 0; row < side; ++row) {
        std::string line = "|";
        for (std::size_t col = 0; col < side; ++col) {
            const std::string& cell = cells[row * side + col];
            line += ' ' + cell + std::string(widths[col] - cell.size(), ' ');
            if ((col + 1) % static_cast<std::size_t>(puzzle.shape.cols) == 0) line += " |";
        }
        rows.push_back(std::move(line));
    }
    return framed(rows, puzzle.shape);
}

}  // namespace velmora
