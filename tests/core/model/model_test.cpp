// The model: cells, the unit tables and box shading of every shape, grids, the solver order and
// the configuration; the Latin-1 of save files and element characters; the message catalogue.
#include <gtest/gtest.h>

#include <algorithm>
#include <numeric>

#include "bench.h"
#include "elimination/grid_build.h"
#include "model/latin1.h"
#include "solving/guess_solver.h"
#include "texts/language_tables.h"
#include "texts/messages.h"

namespace velmora::test {
namespace {

// Each unit's cells worked out from the shape alone: rows, columns, boxes row by row; and every
// cell's box and chessboard shade, the top-left box shaded.
TEST(UnitTable, EveryUnitOfEveryShapeListsItsOwnCellsInOrder) {
    for (const BoxShape shape : kBoxShapes) {
        SCOPED_TRACE(shapeName(shape));
        Bench bench(shape.rows, shape.cols);
        const UnitTable& table = bench.wb->module().unitCells;
        const int n = shape.n();
        const int stacks = n / shape.cols;
        ASSERT_EQ(bench.n(), n);
        for (int u = 0; u < n; ++u) {
            for (int k = 0; k < n; ++k) {
                const int boxRow = (u / stacks) * shape.rows + k / shape.cols;
                const int boxCol = (u % stacks) * shape.cols + k % shape.cols;
                ASSERT_EQ(table.cell(k, u, kRow), u * n + k);
                ASSERT_EQ(table.cell(k, u, kColumn), k * n + u);
                ASSERT_EQ(table.cell(k, u, kBox), boxRow * n + boxCol) << "box " << u << " @" << k;
                const scell& c = bench.cell(u, k);
                ASSERT_EQ(c.boxNumber, (u / shape.rows) * stacks + k / shape.cols);
                ASSERT_EQ(c.evenSquare(), (u / shape.rows + k / shape.cols) % 2 == 0);
            }
        }
    }
}

TEST(Grid, ConflictsAreMarkedAndOnlyAFullGridWithoutThemIsSolved) {
    Bench bench(2, 2);
    scells& grid = bench.cells();
    grid.getCell(0, 0).putOriginal(2);
    grid.getCell(1, 1).putOriginal(2);  // the same box, another row and column
    grid.getCell(3, 3).putOriginal(2);
    grid.Validate();
    EXPECT_TRUE(grid.Invalid && grid.getCell(0, 0).Invalid && grid.getCell(1, 1).Invalid);
    EXPECT_FALSE(grid.getCell(3, 3).Invalid);
    grid.getCell(1, 1).Clear();
    grid.Validate();
    EXPECT_FALSE(grid.Invalid || grid.getCell(0, 0).Invalid);
    for (int b = 0; b < 16; ++b)
        bench.at(b).putSure(1 + b % 4);
    bench.at(0).putEntered(1);  // a given and a user's entry exclude each other
    bench.at(0).putOriginal(1);
    EXPECT_TRUE(bench.at(0).Original && !bench.at(0).Entered && bench.at(0).bPoss == 0);
    EXPECT_EQ(grid.allDone(), 1);  // full, although every column repeats its value
    EXPECT_FALSE(grid.isSolved());
    bench.enterGivens("1234341221434321");
    EXPECT_TRUE(bench.cells().isSolved());
    bench.at(9).Clear();
    EXPECT_EQ(bench.cells().allDone(), 0);
}

TEST(Grid, ResettingKeepsTheGivensClonesKeepValuesAndFlagsAndTheOrderSortsByCount) {
    Bench bench;
    const std::string puzzle = loadSamples("logic-3x3.txt").at(0).puzzle;
    bench.enterGivens(puzzle);
    const int open = static_cast<int>(puzzle.find('.'));
    bench.at(open).putEntered(2);
    GridPtr clone = Clone(bench.cells());
    EXPECT_EQ(bench.wb->sBlock().scColl.back(), clone);
    EXPECT_TRUE(clone->getcellBigindex(open).Entered &&
                clone->getcellBigindex(0).meGrid == clone.get());
    bench.cells().Resetting();
    EXPECT_EQ(bench.gridText(), puzzle);
    bench.cells().Optimize();  // a permutation of the cells, fewest candidates first
    std::vector<int> order, all(81);
    for (int p = 0; p < 81; ++p) {
        order.push_back(bench.cells().sOrder.ListGetValue(p));
        const scell &a = bench.at(order.back()),
                    &b = bench.at(order[std::size_t(p > 0 ? p - 1 : 0)]);
        EXPECT_LE(b.Sure ? 0 : b.countPossibilities, a.Sure ? 0 : a.countPossibilities);
        EXPECT_EQ(a.sOrderIndex, p);
    }
    std::iota(all.begin(), all.end(), 0);
    EXPECT_TRUE(std::is_permutation(order.begin(), order.end(), all.begin()));
    const auto first = [](std::uint64_t seed) {
        return Bench(3, 3, seed).cells().sOrder.ListGetValue(0);
    };
    EXPECT_EQ(first(42), first(42));  // repeated by the seed, shuffled otherwise
    EXPECT_NE(std::vector({first(1), first(2), first(3)}),
              std::vector({first(4), first(5), first(6)}));
}

TEST(Configuration, SizeSwitchesAndSettingsFollowTheWindow) {
    Bench bench(3, 4);
    bench.settings.sizeOption = -1;  // no option selected: the shape stays
    bench.pc().SizeIt();
    EXPECT_EQ(bench.pc().nDim, 12);
    bench.pc().nRowsofBoxes = 2;  // not square: refused
    scells odd;
    EXPECT_EQ(odd.initstartoff(bench.pc()), 0);
    EXPECT_EQ(bench.messages.lastInformation, "invalid dimensions");
    // "More" switches naked subsets of five cells up to half the grid.
    Bench sixteen(4, 4);
    sixteen.settings.subsets = {true, false, true, true, true};
    sixteen.pc().wLanguage = 1;
    sixteen.pc().sElements = "ABCDEFGHIJKLMNOP";
    sixteen.wb->newPuzzle();
    EXPECT_EQ(sixteen.wb->module().subsetEnabled,
              std::vector<char>({1, 0, 1, 1, 1, 1, 1, 1, 1, 0, 0, 0, 0, 0, 0, 0}));
    EXPECT_EQ(sixteen.pc().wLanguage, 1);  // a new puzzle keeps the user's settings
    EXPECT_EQ(sixteen.pc().sElements, "ABCDEFGHIJKLMNOP");
    const auto& stack = sixteen.wb->sBlock().scColl;
    ASSERT_EQ(stack.size(), 2u);  // the new grid, twice
    EXPECT_TRUE(stack[0] == stack[1] && stack[0] == sixteen.pc().theCells);
}

TEST(Latin1, ConvertsWhatLatin1HoldsAndReplacesEachOtherCharacterOnce) {
    std::string all;
    for (int b = 0; b < 256; ++b)
        all.push_back(static_cast<char>(b));
    EXPECT_EQ(latin1ToUtf8(all).size(), 128u + 2 * 128u);
    EXPECT_EQ(utf8ToLatin1(latin1ToUtf8(all)), all);
    for (const auto& [in, out] : std::vector<std::pair<std::string, std::string>>{
             {"Cr\u00e9er \u00ff",
              "Cr\xe9"
              "er \xff"},
             {"5 \u20ac a\U0001F600b", "5 ? a?b"},
             {"a\xbf\xc3\xc3\xa9\xc3", "a??\xe9?"},
             {"\xc0\xaf\xed\xa0\x80", "?????"}})  // overlong '/', surrogate
        EXPECT_EQ(utf8ToLatin1(in), out) << ::testing::PrintToString(in);
    // Element characters: printable Latin-1 kept and raised, control characters '?'.
    EXPECT_EQ(elementCharacters("a\tz\x7f\x9f\xa0\xe4\xf7\xff~"), "A?Z??\xa0\xc4\xf7\xff~");
    for (const ControlTexts& row : languageTable(2)) {  // French survives a save file
        const std::string text = std::string(row.caption) + std::string(row.toolTip.value_or(""));
        EXPECT_EQ(latin1ToUtf8(utf8ToLatin1(text)), text);
    }
}

TEST(Messages, EveryIdHasTextsAndOtherLanguagesGetEnglish) {
    for (int number = -1; number <= kMessageCount; ++number) {
        const auto id = static_cast<MessageId>(number);
        const bool known = number >= 0 && number < kMessageCount;
        EXPECT_EQ(getMessage(id, 0).empty() || getMessage(id, 1).empty(), !known) << number;
        for (const int language : {2, -1, 3})
            EXPECT_EQ(getMessage(id, language), getMessage(id, 0)) << number;
    }
}

}  // namespace
}  // namespace velmora::test
