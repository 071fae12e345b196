#include "properties/random_grids.h"

#include <gtest/gtest.h>

#include "model/size_options.h"
#include "solving/guess_solver.h"

namespace velmora::test {

std::string shapeName(BoxShape shape) {
    return std::to_string(shape.rows) + "x" + std::to_string(shape.cols);
}

int randomBelow(Rng& rng, int n) {
    return static_cast<int>(std::uniform_int_distribution<int>(0, n - 1)(rng));
}

bool randomChance(Rng& rng, double p) {
    return std::bernoulli_distribution(p)(rng);
}

std::vector<int> randomSolution(Bench& bench) {
    Workbench& wb = *bench.wb;
    wb.buildPuzzle();
    // On an empty grid the forced search nearly always succeeds at once; it starts again when
    // it reaches its call limit, as the generator's base grid does.
    while (guessSolve(wb, nullptr, true) != 1)
        wb.buildPuzzle();
    const scells& solved = *wb.sBlock().scColl.back();
    std::vector<int> values(static_cast<std::size_t>(solved.cellCount()));
    for (int b = 0; b < solved.cellCount(); ++b)
        values[static_cast<std::size_t>(b)] = solved.getcellBigindex(b).Trying;
    wb.buildPuzzle();
    const int n = wb.pc().nDim;
    EXPECT_TRUE(isSolution(valuesText(values, n), wb.pc().nRows, wb.pc().nCols));
    return values;
}

std::string valuesText(const std::vector<int>& values, int n) {
    std::string text;
    for (const int v : values)
        text += v >= 1 && v <= n ? kDefaultElements[v - 1] : '.';
    return text;
}

std::ostream& operator<<(std::ostream& out, const CellRecord& cell) {
    return out << "{cell " << cell.bigindex << " value " << cell.Trying << " sure " << cell.Sure
               << " given " << cell.Original << " entered " << cell.Entered << " candidates 0x"
               << std::hex << cell.bPoss << std::dec << " (" << cell.countPossibilities << ")}";
}

std::vector<CellRecord> recordCells(const scells& grid) {
    std::vector<CellRecord> cells;
    cells.reserve(static_cast<std::size_t>(grid.cellCount()));
    for (int b = 0; b < grid.cellCount(); ++b) {
        const scell& c = grid.getcellBigindex(b);
        cells.push_back(
            {b, c.Trying, c.Sure, c.Original, c.Entered, c.bPoss, c.countPossibilities});
    }
    return cells;
}

}  // namespace velmora::test
