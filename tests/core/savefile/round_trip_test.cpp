// A saved puzzle loads back exactly: every box shape, every kind of cell, hand-made pencil marks
// and the options the file carries.
#include <gtest/gtest.h>

#include "model/size_options.h"
#include "save_bench.h"
#include "savefile/save_text_writer.h"
#include "support/puzzle_fixture.h"

namespace velmora::test {
namespace {

struct Shape {
    int rows;
    int cols;
};

constexpr Shape kShapes[] = {{3, 3}, {4, 4}, {2, 2}, {2, 3}, {3, 4},
                             {2, 4}, {2, 5}, {3, 5}, {2, 6}, {3, 6}};

std::string shapeName(Shape s) {
    return std::to_string(s.rows) + "x" + std::to_string(s.cols);
}

// A puzzle of the shape half solved by hand: its givens, user values in the first open cells, a
// solver value, and with manual pencil marks on, marks of the user's own in other open cells.
void halfSolved(SaveBench& bench, Shape shape) {
    const SamplePuzzle sample = loadSamples("singles-" + shapeName(shape) + ".txt").at(0);
    bench.enterGivens(sample.puzzle);
    PuzzleControl& pc = bench.pc();
    const int n = pc.nDim;
    auto solutionValue = [&](int b) {
        return static_cast<int>(std::string(kDefaultElements)
                                    .find(sample.solution[static_cast<std::size_t>(b)])) +
               1;
    };
    std::vector<int> open;
    for (int b = 0; b < n * n; ++b)
        if (!bench.cells().getcellBigindex(b).Sure) open.push_back(b);
    ASSERT_GE(open.size(), 8u);
    bench.cells().getcellBigindex(open[0]).putEntered(solutionValue(open[0]));
    bench.cells().getcellBigindex(open[1]).putEntered(solutionValue(open[1]));
    bench.cells().getcellBigindex(open[2]).putSure(solutionValue(open[2]));
    bench.cells().resetPossibilities();
    pc.manualPencilMarks = true;
    scell& marked = bench.cells().getcellBigindex(open[3]);
    marked.clearallPossibilities();
    marked.putPossibility(0);
    marked.putPossibility(n - 1);
    bench.cells().getcellBigindex(open[4]).clearallPossibilities();
    scell& full = bench.cells().getcellBigindex(open[5]);
    for (int i = 0; i < n; ++i)
        full.putPossibility(i);
    pc.Experimental = true;
    pc.guessingEnabled = true;
    pc.Scribbling = true;
    pc.wLanguage = 2;
    pc.sElements = std::string("ZYXWVUTSRQPONMLKJIHGF").substr(0, static_cast<std::size_t>(n));
}

void expectSameCells(scells& loaded, scells& saved, const std::string& where) {
    ASSERT_EQ(loaded.dim(), saved.dim()) << where;
    for (int b = 0; b < saved.cellCount(); ++b) {
        const scell& a = loaded.getcellBigindex(b);
        const scell& e = saved.getcellBigindex(b);
        EXPECT_EQ(a.Trying, e.Trying) << where << " cell " << b;
        EXPECT_EQ(a.Sure, e.Sure) << where << " cell " << b;
        EXPECT_EQ(a.Original, e.Original) << where << " cell " << b;
        EXPECT_EQ(a.Entered, e.Entered) << where << " cell " << b;
        EXPECT_EQ(a.bPoss, e.bPoss) << where << " cell " << b;
        EXPECT_EQ(a.countPossibilities, e.countPossibilities) << where << " cell " << b;
        EXPECT_EQ(a.meGrid, &loaded) << where << " cell " << b;
    }
}

TEST(SaveRoundTrip, EveryBoxShapeLoadsBackExactly) {
    for (const Shape shape : kShapes) {
        const std::string name = shapeName(shape);
        SaveBench saving(shape.rows, shape.cols);
        halfSolved(saving, shape);
        saving.save(name + ".svl");
        ASSERT_TRUE(saving.messages.shown.empty()) << name;

        // The loading program shows another size, which the file replaces.
        SaveBench loading(shape.rows == 3 && shape.cols == 3 ? 2 : 3,
                          shape.rows == 3 && shape.cols == 3 ? 2 : 3);
        std::filesystem::copy_file(saving.savedFolder() / (name + ".svl"),
                                   loading.savedFolder() / (name + ".svl"));
        loading.load(name + ".svl");
        ASSERT_TRUE(loading.messages.shown.empty()) << name << ": " << loading.messages.shown[0];

        const PuzzleControl& a = loading.pc();
        const PuzzleControl& e = saving.pc();
        EXPECT_EQ(a.nRows, e.nRows) << name;
        EXPECT_EQ(a.nCols, e.nCols) << name;
        EXPECT_EQ(a.nRowsofBoxes, e.nRowsofBoxes) << name;
        EXPECT_EQ(a.nColsofBoxes, e.nColsofBoxes) << name;
        EXPECT_EQ(a.nDim, e.nDim) << name;
        EXPECT_EQ(a.sgValue, e.sgValue) << name;
        EXPECT_EQ(a.cFontSize, e.cFontSize) << name;
        EXPECT_EQ(a.cMaybeFontSize, e.cMaybeFontSize) << name;
        EXPECT_EQ(a.sElements, e.sElements) << name;
        EXPECT_TRUE(a.Experimental && a.guessingEnabled && a.Scribbling && a.manualPencilMarks)
            << name;
        EXPECT_EQ(a.wLanguage, 2) << name;
        expectSameCells(loading.cells(), saving.cells(), name);

        // The window shows the file's options, so a later rebuild keeps the loaded size.
        EXPECT_EQ(loading.settings.sizeOption, e.sgValue) << name;
        EXPECT_EQ(loading.settings.elementsText, e.sElements) << name;
        EXPECT_FALSE(loading.settings.loaded.simpleEliminationOnly) << name;
        EXPECT_TRUE(loading.settings.loaded.manualPencilMarks) << name;
        EXPECT_EQ(loading.controls.captions["cbGenerate"],
                  "Cr\xC3\xA9"
                  "er")
            << name;

        // Saved again, the file is the same but for the path it names.
        EXPECT_EQ(writeSaveText(a, "p", kFixedTime), writeSaveText(e, "p", kFixedTime)) << name;
    }
}

TEST(SaveRoundTrip, WithoutManualMarksTheCandidatesAreComputedAgain) {
    SaveBench saving;
    halfSolved(saving, {3, 3});
    saving.pc().manualPencilMarks = false;
    saving.pc().Experimental = false;
    saving.pc().guessingEnabled = false;
    saving.save("computed.svl");

    SaveBench loading;
    std::filesystem::copy_file(saving.savedFolder() / "computed.svl",
                               loading.savedFolder() / "computed.svl");
    loading.load("computed.svl");
    ASSERT_TRUE(loading.messages.shown.empty());
    saving.cells().resetPossibilities();
    expectSameCells(loading.cells(), saving.cells(), "computed");
}

TEST(SaveRoundTrip, LoadingEmptiesBothUndoStacks) {
    SaveBench bench;
    bench.save("plain.svl");
    scell& cell = bench.cells().getcellBigindex(0);
    cell.scPush();
    cell.putEntered(4);
    cell.scPush();
    cell.putEntered(5);
    bench.wb->fControl().unDo();
    ASSERT_EQ(bench.wb->fControl().undoCount(), 1);
    ASSERT_EQ(bench.wb->fControl().redoCount(), 1);
    bench.load("plain.svl");
    EXPECT_EQ(bench.wb->fControl().undoCount(), 0);
    EXPECT_EQ(bench.wb->fControl().redoCount(), 0);
    EXPECT_FALSE(bench.undo.undoEnabled);
    EXPECT_FALSE(bench.undo.redoEnabled);
    EXPECT_FALSE(bench.wb->fControl().Loading);
}

TEST(SaveRoundTrip, ALaterRebuildKeepsTheLoadedSize) {
    SaveBench saving(2, 3);
    saving.save("six.svl");
    SaveBench loading;
    std::filesystem::copy_file(saving.savedFolder() / "six.svl", loading.savedFolder() / "six.svl");
    loading.load("six.svl");
    loading.wb->newPuzzle();
    EXPECT_EQ(loading.pc().nDim, 6);
    EXPECT_EQ(loading.cells().dim(), 6);
}

TEST(SaveRoundTrip, GermanFileShowsGermanTexts) {
    SaveBench saving;
    saving.pc().wLanguage = 1;
    saving.save("german.svl");
    SaveBench loading;
    std::filesystem::copy_file(saving.savedFolder() / "german.svl",
                               loading.savedFolder() / "german.svl");
    loading.load("german.svl");
    EXPECT_EQ(loading.pc().wLanguage, 1);
    EXPECT_EQ(loading.settings.loaded.language, 1);
    EXPECT_EQ(loading.controls.captions["cbGenerate"], "Neu");
    EXPECT_EQ(loading.controls.captions["lblanguage"], "Sprachauswahl");
}

}  // namespace
}  // namespace velmora::test
