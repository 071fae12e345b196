// Whatever state a puzzle is in, a save file brings it back exactly: random complete grids with
// random cells cleared, random user values (conflicting ones too) and random hand-made pencil
// marks, for every box shape, and any element string the element box accepts.
#include <gtest/gtest.h>

#include <bit>

#include "display/element_characters.h"
#include "properties/random_grids.h"
#include "savefile/save_commands.h"
#include "savefile/save_text_writer.h"

namespace velmora::test {
namespace {

constexpr int kCasesPerShape = 30;
constexpr const char* kTime = "06/12/2026 09:14:03";

// A random state of the bench's puzzle, built on `solution`.
void randomState(Bench& bench, const std::vector<int>& solution, Rng& rng) {
    PuzzleControl& pc = bench.pc();
    const int n = pc.nDim;
    pc.Experimental = randomChance(rng, 0.5);
    pc.guessingEnabled = randomChance(rng, 0.3);
    pc.Scribbling = randomChance(rng, 0.5);
    pc.wLanguage = randomBelow(rng, 3);
    if (randomChance(rng, 0.3)) {
        std::string typed;
        for (int i = 0; i < n; ++i)
            typed += static_cast<char>(0x20 + randomBelow(rng, 0x5f));
        pc.sElements = checkElements(typed, pc.sElements).elements;
    }
    const double givens = 0.2 + 0.6 * std::uniform_real_distribution<double>()(rng);
    for (int b = 0; b < n * n; ++b) {
        scell& cell = bench.cells().getcellBigindex(b);
        const int value = solution[static_cast<std::size_t>(b)];
        if (randomChance(rng, givens)) {
            cell.putOriginal(value);
        } else if (randomChance(rng, 0.15)) {
            // The user's values are not always right.
            cell.putEntered(randomChance(rng, 0.7) ? value : 1 + randomBelow(rng, n));
        } else if (randomChance(rng, 0.05)) {
            cell.putSure(value);
        }
    }
    bench.cells().resetPossibilities();
    if (!randomChance(rng, 0.5)) return;
    pc.manualPencilMarks = true;
    for (int b = 0; b < n * n; ++b) {
        scell& cell = bench.cells().getcellBigindex(b);
        if (cell.Sure || !randomChance(rng, 0.5)) continue;
        cell.bPoss = static_cast<std::uint32_t>(rng()) & allCandidates(n);
        cell.countPossibilities = static_cast<std::int16_t>(std::popcount(cell.bPoss));
    }
}

TEST(SaveRoundTripProperty, RandomStatesOfEveryShapeLoadBackExactly) {
    for (const BoxShape shape : kBoxShapes) {
        SCOPED_TRACE(shapeName(shape));
        Rng rng(1000 + static_cast<std::uint64_t>(shape.rows * 10 + shape.cols));
        Bench saving(shape.rows, shape.cols, 11);
        for (int i = 0; i < kCasesPerShape; ++i) {
            SCOPED_TRACE("case " + std::to_string(i));
            saving.pc().manualPencilMarks = false;
            const std::vector<int> solution = randomSolution(saving);
            randomState(saving, solution, rng);
            const std::string text = writeSaveText(saving.pc(), "p.svl", kTime);

            // The loading program shows another shape, which the file replaces.
            Bench loading(shape.rows == 3 && shape.cols == 3 ? 2 : 3,
                          shape.rows == 3 && shape.cols == 3 ? 2 : 3, 5);
            ASSERT_TRUE(loadPuzzleText(*loading.wb, text, "p.svl"))
                << loading.messages.lastInformation;
            const PuzzleControl& a = loading.pc();
            const PuzzleControl& e = saving.pc();
            EXPECT_EQ(a.nDim, e.nDim);
            EXPECT_EQ(a.nRows, e.nRows);
            EXPECT_EQ(a.nCols, e.nCols);
            EXPECT_EQ(a.sElements, e.sElements);
            EXPECT_EQ(a.Experimental, e.Experimental);
            EXPECT_EQ(a.guessingEnabled, e.guessingEnabled);
            EXPECT_EQ(a.Scribbling, e.Scribbling);
            EXPECT_EQ(a.manualPencilMarks, e.manualPencilMarks);
            EXPECT_EQ(a.wLanguage, e.wLanguage);
            ASSERT_EQ(recordCells(loading.cells()), recordCells(saving.cells()));
            EXPECT_EQ(writeSaveText(a, "p.svl", kTime), text);
        }
    }
}

// Element strings typed with any characters, control characters and non-ASCII ones included:
// what the box accepts, a save file keeps.
TEST(SaveRoundTripProperty, AcceptedElementStringsSurviveASaveFile) {
    Rng rng(77);
    for (int i = 0; i < 300; ++i) {
        const BoxShape shape = kBoxShapes[static_cast<std::size_t>(i) % std::size(kBoxShapes)];
        Bench bench(shape.rows, shape.cols, 3);
        std::string typed;
        for (int k = 0; k < bench.n(); ++k) {
            if (randomChance(rng, 0.1)) {
                typed += "\xC3\xA9";  // one character, two bytes
            } else {
                typed += static_cast<char>(randomBelow(rng, 0x80));
            }
        }
        const ElementsCheck check = checkElements(typed, bench.pc().sElements);
        ASSERT_TRUE(check.accepted) << i;
        bench.pc().sElements = check.elements;
        Bench loading(3, 3, 4);
        ASSERT_TRUE(loadPuzzleText(*loading.wb, writeSaveText(bench.pc(), "p", kTime), "p"))
            << i << ": " << loading.messages.lastInformation;
        EXPECT_EQ(loading.pc().sElements, check.elements) << i;
    }
}

}  // namespace
}  // namespace velmora::test
