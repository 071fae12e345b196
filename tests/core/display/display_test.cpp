// What the grid shows, on a fake grid widget drawn by the real grid control: cell formats and
// texts, keyboard entry and the cursor, and the marks that must follow every change: violet for
// a conflict, red for an open cell without candidates, "Solved- Well done!" for a solved grid.
#include <gtest/gtest.h>

#include "bench.h"
#include "commands/candidate_options.h"
#include "commands/commands.h"
#include "commands/pencil_mark_commands.h"
#include "commands/size_commands.h"
#include "display/cell_format.h"
#include "display/element_characters.h"
#include "display/grid_geometry.h"
#include "model/size_options.h"

namespace velmora::test {
namespace {

constexpr Colour kCyan = rgb(200, 240, 240), kWhite = rgb(255, 255, 255);
constexpr Colour kRed = rgb(255, 0, 0), kViolet = rgb(230, 100, 240);

TEST(CellFormat, EachStateLooksAsItShould) {
    Bench bench;
    PuzzleControl& pc = bench.pc();
    const auto format = [&](int r, int c) { return cellFormat(bench.cell(r, c), pc); };
    bench.cell(0, 0).putOriginal(3);
    EXPECT_EQ(format(0, 0), (CellFormat{kCyan, 0, "tahoma", 20, CellAlignment::Centre}));
    bench.cell(0, 3).putSure(3);
    EXPECT_EQ(format(0, 3), (CellFormat{kWhite, rgb(60, 150, 60), "tahoma", 20}));
    bench.cell(0, 0).Entered = true;  // flagged both ways: the user's entry
    EXPECT_EQ(format(0, 0), (CellFormat{kCyan, rgb(0, 0, 255), "Comic Sans MS", 20}));
    bench.cell(8, 8).putOriginal(0);
    EXPECT_EQ(cellText(bench.cell(8, 8), pc) + cellText(bench.cell(1, 1), pc), "?");
    EXPECT_EQ(format(1, 1),
              (CellFormat{kCyan, rgb(128, 128, 168), "tahoma", 8, CellAlignment::TopCentre}));
    pc.Scribbling = true;  // no candidates is red, a conflict violet, neither with manual marks
    bench.cell(0, 4).clearallPossibilities();
    EXPECT_EQ(format(0, 4).back, kRed);
    bench.cell(0, 4).Invalid = true;
    EXPECT_EQ(format(0, 4).back, kViolet);
    pc.manualPencilMarks = true;
    EXPECT_EQ(format(0, 4).back, kWhite);
    Bench sixteen(4, 4);  // candidates in order, blanks between, in the size's characters
    sixteen.pc().Scribbling = true;
    scell& s = sixteen.cell(0, 0);
    s.bPoss = 0x600u;
    s.recountPossibilities();
    EXPECT_EQ(cellView(s, sixteen.pc()), (CellView{cellFormat(s, sixteen.pc()), "0 A", 0x600u}));
    EXPECT_EQ(cellFormat(s, sixteen.pc()).fontSize, 6.5);
    // 3x6 boxes: 20 points; at 81 dpi exactly 22.5 pixels, which rounds down to even.
    const GridGeometry g = entryGridGeometry(12.5 * 1.6, 18, 18, 81, 96);
    EXPECT_EQ(std::tuple(g.cellWidth, g.cellHeight, g.width, g.height),
              std::tuple(22, 27, 18 * 22, 18 * 27));
}

TEST(KeyboardEntry, TakesElementsOnlyAndMovesTheCursorOnWrappingAtRowAndGridEnds) {
    DrawnBench b;
    EXPECT_EQ(b.surface.layout.cellPoints, 32);
    const struct {
        int row, col;
        const char* keys;
        int toRow, toCol;
    } moves[] = {{0, 0, "1", 0, 1},  {3, 8, "2", 4, 0},   {8, 8, "3", 8, 0},
                 {2, 5, "\r", 3, 0}, {8, 4, "\r", 8, 0},  {5, 5, " ", 5, 5},
                 {5, 6, "\b", 5, 6}, {-1, -1, "4", 0, 1}, {2, 2, "Ax\x1b", 2, 2}};
    for (const auto& m : moves) {
        b.moveTo(m.row, m.col);
        b.type(m.keys);
        EXPECT_EQ(b.surface.at, (GridCursor{m.toRow, m.toCol})) << m.row << "," << m.col;
    }
    EXPECT_EQ(b.surface.beeps, 3);  // 'A', 'x' and Escape are no elements
    EXPECT_EQ(b.gridText().substr(0, 2), "4.");
    EXPECT_EQ(b.surface.cell(3, 8).text, "2");
    EXPECT_EQ(b.surface.cell(3, 8).format.fore, 0u);  // a given
    b.moveTo(3, 8);
    b.type("\b");
    b.history().unDo();
    EXPECT_EQ(b.surface.cell(3, 8).text, "2");
    b.moveTo(4, 5);  // a redraw keeps the cursor
    b.control.bUnloadGrid();
    EXPECT_EQ(b.surface.at, (GridCursor{4, 5}));
    DrawnBench sixteen(4, 4);
    cbenterSolution_Click(*sixteen.wb);
    sixteen.type("a");
    EXPECT_TRUE(sixteen.cell(0, 0).Entered && sixteen.cell(0, 0).Trying == 11);
    EXPECT_EQ(sixteen.surface.cell(0, 0).text, "A");
}

TEST(KeyboardEntry, GivensStandWhileTheSolutionIsEntered) {
    DrawnBench b;
    b.type("5");
    cbenterSolution_Click(*b.wb);
    b.moveTo(0, 0);
    b.type("7 \b");
    b.pc().manualPencilMarks = true;
    EXPECT_FALSE(EntryGrid_DblClick(*b.wb, 0, 0));
    EXPECT_EQ(b.surface.beeps, 4);
    EXPECT_TRUE(b.messages.lastQuestion.empty() && b.history().undoCount() == 0);
    b.pc().manualPencilMarks = false;
    b.moveTo(0, 1);
    b.type("7");  // an open cell takes the user's value
    cbReset_Click(*b.wb);
    EXPECT_EQ(b.gridText().substr(0, 2), "5.");
    EXPECT_TRUE(b.cell(0, 0).Original);
    cbEnterInitial_Click(*b.wb);
    b.moveTo(0, 0);
    b.type("7");
    EXPECT_EQ(b.gridText().substr(0, 2), "7.");
}

TEST(SolvedAnnouncement, FollowsTheGridThroughEveryChange) {
    DrawnBench b;
    const auto announced = [&b] { return b.status.panel(Panel::Result) == "Solved- Well done!"; };
    const std::string solution = loadSamples("singles-3x3.txt").at(0).solution;
    std::string puzzle = solution;
    puzzle[40] = puzzle[79] = puzzle[80] = '.';
    b.enterGivens(puzzle);
    b.control.bUnloadGrid();
    cbenterSolution_Click(*b.wb);
    b.moveTo(4, 4);
    b.type(solution.substr(40, 1));
    b.moveTo(8, 7);
    b.type(solution.substr(79, 1));
    EXPECT_FALSE(announced());
    b.type(solution.substr(80, 1));
    EXPECT_TRUE(announced()) << "the last value typed";
    b.moveTo(4, 4);
    b.type(" ");
    EXPECT_FALSE(announced()) << "a cell cleared";
    cbUndo_Click(*b.wb);
    EXPECT_TRUE(announced()) << "Undo";
    cbRedo_Click(*b.wb);
    EXPECT_FALSE(announced()) << "Redo";
    b.moveTo(4, 4);
    b.type(solution.substr(39, 1));
    EXPECT_FALSE(announced()) << "a full grid with a conflict";
    cbReset_Click(*b.wb);
    EXPECT_FALSE(announced()) << "Reset";
    cbhint_Click(*b.wb);
    EXPECT_FALSE(announced()) << "a Hint that leaves cells open";
    cbhint_Click(*b.wb);
    cbhint_Click(*b.wb);
    EXPECT_TRUE(announced()) << "the Hint that fills the last cell";
    cbEnterInitial_Click(*b.wb);
    b.save("solved.svl");
    b.pc().manualPencilMarks = true;
    ASSERT_TRUE(EntryGrid_DblClick(*b.wb, 3, 3));
    ASSERT_TRUE(applyPencilMarkText(*b.wb, 3, 3, "8"));
    EXPECT_FALSE(announced()) << "a value turned into pencil marks";
    b.load("solved.svl");
    EXPECT_TRUE(announced()) << "Load";
    cbClear_Click(*b.wb);
    EXPECT_FALSE(announced()) << "Clear";
}

// After every key, with candidates shown or hidden, every cell's background is the one its
// values give: violet in a conflict, red when open with every value taken in its units, else
// its box's shade.
TEST(CellMarksProperty, VioletAndRedFollowEveryKey) {
    for (const BoxShape shape : {BoxShape{2, 2}, BoxShape{2, 3}, BoxShape{3, 3}}) {
        DrawnBench b(shape.rows, shape.cols);
        const int n = shape.n();
        Rng rng(40 + static_cast<std::uint64_t>(n));
        for (int key = 0; key < 400; ++key) {
            if (key % 100 == 0) {
                b.settings.pencilMarks = chance(rng, 0.5);
                ckbScribbleArea_Click(*b.wb);
            }
            b.moveTo(below(rng, n), below(rng, n));
            b.type(chance(rng, 0.2) ? " " : std::string(1, kDefaultElements[below(rng, n)]));
            const std::vector<int> v = b.values();
            for (int i = 0; i < n * n; ++i) {
                std::uint32_t taken = 0;
                bool conflict = false;
                for (int j = 0; j < n * n; ++j) {
                    const int vj = v[std::size_t(j)];
                    if (i == j || vj == 0 ||
                        (i / n != j / n && i % n != j % n &&
                         shape.boxOf(i / n, i % n) != shape.boxOf(j / n, j % n)))
                        continue;
                    taken |= candidateBit(vj - 1);
                    conflict = conflict || vj == v[std::size_t(i)];
                }
                const Colour shade = (i / n / shape.rows + i % n / shape.cols) % 2 ? kWhite : kCyan;
                ASSERT_EQ(b.surface.cells[std::size_t(i)].format.back,
                          conflict                                          ? kViolet
                          : !v[std::size_t(i)] && taken == allCandidates(n) ? kRed
                                                                            : shade)
                    << shapeName(shape) << " key " << key << " cell " << i << " " << b.gridText();
            }
        }
    }
}

TEST(SizeChange, DrawsTheNewSizesCharactersFromTheFirstDraw) {
    DrawnBench b;
    b.settings.pencilMarks = true;
    ckbScribbleArea_Click(*b.wb);
    for (int option = 0; option < 10; ++option) {
        const std::string elements = defaultElements(kBoxShapes[std::size_t(option)].n());
        int draws = 0;
        b.surface.onDraw = [&] {
            ++draws;
            ASSERT_EQ(b.surface.layout.elements.size(), elements.size());
            for (std::size_t k = 0; k < elements.size(); ++k)
                ASSERT_EQ(b.surface.layout.elements[k], elements.substr(k, 1));
            for (const CellView& cell : b.surface.cells)
                ASSERT_EQ(cell.text.find_first_not_of(elements + " "), std::string::npos)
                    << cell.text;
        };
        b.settings.sizeOption = option;
        optSize_Click(*b.wb, option);
        EXPECT_GT(draws, 0);
        EXPECT_EQ(b.surface.cell(0, 0).text.size(), 2 * elements.size() - 1);
    }
    b.surface.onDraw = nullptr;
}

TEST(Latin1Elements, AreTypedShownSavedAndLoaded) {
    DrawnBench b;
    tbSelements_Validate(*b.wb, "\u00e4bcd\u00e9fgh\u00ff");  // a-umlaut to A-umlaut; no capital y
    const std::string latin1 =
        "\xc4"
        "BCD\xc9"
        "FGH\xff";
    EXPECT_EQ(b.pc().sElements, latin1);
    EXPECT_EQ(b.settings.elementsText, "\u00c4BCD\u00c9FGH\u00ff");
    b.control.refreshEntrygrid();
    EXPECT_EQ(b.surface.layout.elements[0], "\u00c4");
    b.type("\xe4\xff");
    EXPECT_EQ(b.cell(0, 0).Trying, 1);
    EXPECT_EQ(b.surface.cell(0, 0).text + b.surface.cell(0, 1).text, "\u00c4\u00ff");
    b.save("latin.svl");
    EXPECT_NE(readBytes(b.savedFolder() / "latin.svl").find("-,sElements," + latin1 + "\r\n"),
              std::string::npos);
    DrawnBench other;
    std::filesystem::copy_file(b.savedFolder() / "latin.svl", other.savedFolder() / "l.svl");
    other.load("l.svl");
    EXPECT_EQ(other.pc().sElements, latin1);
    EXPECT_EQ(other.surface.cell(0, 0).text, "\u00c4");
    tbSelements_Validate(*b.wb,
                         "\x01"
                         "bcdefghi");
    EXPECT_EQ(b.pc().sElements, "?BCDEFGHI");
}

}  // namespace
}  // namespace velmora::test
