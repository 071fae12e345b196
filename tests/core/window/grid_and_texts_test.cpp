// The grid's size as the window grows and shrinks, where each candidate sits in its cell, the
// menus in three languages and what a cell says to a screen reader.
#include <gtest/gtest.h>

#include <cctype>
#include <set>
#include <utility>

#include "display/candidate_spots.h"
#include "display/grid_geometry.h"
#include "model/size_options.h"
#include "texts/window_texts.h"

namespace velmora {
namespace {

// The designed cells of every shape at 96 dpi (side, n), and the square that holds them all.
std::vector<std::pair<int, int>> designedGrids() {
    std::vector<std::pair<int, int>> grids;
    for (const SizeOption& o : kSizeOptions) {
        const int n = o.nRows * o.nCols;
        grids.emplace_back(entryGridGeometry(o.cFontSize * 1.6, n, n, 96, 96).cellWidth, n);
    }
    return grids;
}

int designedSquare() {
    int side = 0;
    for (const auto& [cell, n] : designedGrids())
        side = std::max(side, cell * n);
    return side;
}

TEST(GridFitTest, DesignedCellsAtStartUpAndGrownGridsFillTheirSquareWithoutOverflow) {
    const int square = designedSquare();
    for (const auto& [cell, n] : designedGrids()) {
        EXPECT_EQ(fittedCellSide(cell, n, square, square), cell) << "the start-up size, " << n;
        int previous = 0;
        for (int offered = square / 2; offered <= 3 * square; offered += 37) {
            const int side = fittedCellSide(cell, n, square, offered);
            EXPECT_LE(side * n, std::max(offered, kMinCellSide * n)) << n << " " << offered;
            EXPECT_GE(side, previous) << "a larger square never gives smaller cells";
            previous = side;
            // Every pixel gained beyond the start-up size goes to the grid, but for the rest
            // of a division by n.
            if (offered >= square) {
                EXPECT_GT((side + 1) * n, offered - square + cell * n) << n;
            }
        }
    }
}

// Candidate k of a box of R rows and C columns: row k / C, column k % C of an R x C grid.
TEST(CandidateSpotTest, EveryShapeLaysItsCandidatesOutAsItsBox) {
    for (const BoxShape shape : kBoxShapes) {
        for (int k = 0; k < shape.n(); ++k) {
            const CandidateSpot s = candidateSpot(k, shape);
            EXPECT_EQ(s.row, k / shape.cols);
            EXPECT_EQ(s.col, k % shape.cols);
            EXPECT_DOUBLE_EQ(s.width * shape.cols, 1.0);
            EXPECT_DOUBLE_EQ(s.height * shape.rows, 1.0);
            EXPECT_DOUBLE_EQ(s.left, s.col * s.width);
            EXPECT_DOUBLE_EQ(s.top, s.row * s.height);
        }
    }
}

// The key after '&' of a caption, lower-cased (UTF-8 letters compared as bytes).
std::string accessKey(std::string_view caption) {
    const std::size_t at = caption.find('&');
    if (at == std::string_view::npos || at + 1 >= caption.size()) return {};
    std::string key(
        caption.substr(at + 1, (static_cast<unsigned char>(caption[at + 1]) < 0x80) ? 1 : 2));
    for (char& c : key)
        c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    return key;
}

TEST(WindowTextsTest, EveryLanguageNamesTheSameEntriesWithDistinctKeysPerMenu) {
    const auto english = menuTable(0);
    for (int language = 0; language <= 2; ++language) {
        const auto table = menuTable(language);
        ASSERT_EQ(table.size(), english.size());
        std::set<std::string> keys;
        std::set<std::string> titles;
        for (std::size_t i = 0; i < table.size(); ++i) {
            EXPECT_EQ(table[i].control, english[i].control);
            const std::string key = accessKey(table[i].caption);
            EXPECT_FALSE(key.empty()) << table[i].caption;
            // A menu title starts a new menu; entries share keys with nothing in their menu.
            if (table[i].control.starts_with("mnu")) {
                EXPECT_TRUE(titles.insert(key).second) << table[i].caption;
                keys.clear();
            } else {
                EXPECT_TRUE(keys.insert(key).second) << language << " " << table[i].caption;
            }
        }
    }
}

TEST(WindowTextsTest, ACellSaysWhereItIsAndWhatItHolds) {
    CellSpeech value{"5", true, false, false, {}, false};
    EXPECT_EQ(cellName(2, 6, value, 0), "r3c7: 5, given");
    value.given = false;
    value.conflict = true;
    EXPECT_EQ(cellName(2, 6, value, 1), "Z3S7: 5, Konflikt");
    const CellSpeech open{"", false, false, true, {"1", "4", "8"}, true};
    EXPECT_EQ(cellName(0, 1, open, 0), "r1c2: candidates 1 4 8, highlighted");
    EXPECT_EQ(cellName(0, 1, open, 2), "L1C2 : candidats 1 4 8, en évidence");
    EXPECT_EQ(cellName(17, 17, CellSpeech{}, 0), "r18c18: empty");
    EXPECT_EQ(cellName(0, 0, CellSpeech{"", false, false, true, {}, false}, 1),
              "Z1S1: keine Kandidaten");
}

}  // namespace
}  // namespace velmora
