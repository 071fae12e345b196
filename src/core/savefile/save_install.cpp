#include "savefile/save_install.h"

#include <bit>

#include "elimination/grid_build.h"
#include "elimination/statsblock.h"
#include "model/module_state.h"
#include "model/puzzle_control.h"

namespace velmora {

SaveSettings loadDefaults(const PuzzleControl& running) {
    PuzzleControl fresh(*running.module);
    fresh.init(running.fControl, running.gControl);
    SaveSettings s;
    s.pVersion = fresh.pVersion;
    s.pSaveVersion = running.pSaveVersion;
    s.nRows = fresh.nRows;
    s.nCols = fresh.nCols;
    s.nRowsofBoxes = fresh.nRowsofBoxes;
    s.nColsofBoxes = fresh.nColsofBoxes;
    s.sgValue = fresh.sgValue;
    s.sElements = fresh.sElements;
    s.Experimental = fresh.Experimental;
    s.guessingEnabled = fresh.guessingEnabled;
    s.Scribbling = fresh.Scribbling;
    s.manualPencilMarks = fresh.manualPencilMarks;
    s.wLanguage = fresh.wLanguage;
    return s;
}

std::unique_ptr<PuzzleControl> loadedConfiguration(const SaveFileContents& contents,
                                                   const PuzzleControl& running) {
    const SaveSettings& s = contents.settings;
    auto next = std::make_unique<PuzzleControl>(*running.module);
    next->init(running.fControl, running.gControl);
    next->sElements = s.sElements;
    next->Experimental = s.Experimental;
    next->guessingEnabled = s.guessingEnabled;
    next->Scribbling = s.Scribbling;
    next->manualPencilMarks = s.manualPencilMarks;
    next->wLanguage = s.wLanguage;
    next->pVersion = running.pVersion;
    next->pSaveVersion = running.pSaveVersion;
    next->sBlock = running.sBlock;
    // What SizeIt makes of the selected option, set here without waiting for the window to
    // select it.
    next->applySizeOption(contents.sizeOption);
    return next;
}

void installLoadedGrid(PuzzleControl& pc, const SaveFileContents& contents) {
    Statsblock& stats = *pc.sBlock;
    stats.pControl = &pc;
    stats.scColl.clear();
    auto grid = std::make_shared<scells>();
    pc.theCells = grid;
    const int n = grid->initstartoff(pc);
    pc.module->buildUnitTables(BoxShape{pc.nRows, pc.nCols});
    initfinishoff(*grid);
    stats.scColl.push_back(grid);

    for (int b = 0; b < n * n; ++b) {
        const SavedCell& saved = contents.cells[static_cast<std::size_t>(b)];
        scell& cell = grid->getcellBigindex(b);
        cell.Trying = saved.Trying;
        cell.Sure = saved.Sure;
        cell.Original = saved.Original;
        cell.Entered = saved.Entered;
        // The file's candidates replace the computed ones, so a cell saves back as it was read.
        cell.bPoss = saved.bPoss;
        cell.countPossibilities =
            saved.Sure ? std::int16_t{0} : static_cast<std::int16_t>(std::popcount(saved.bPoss));
    }
}

}  // namespace velmora
