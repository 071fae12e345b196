#include "savefile/save_install.h"

#include <bit>
#include <memory>

#include "model/workbench.h"

namespace velmora {

SaveSettings loadDefaults(Workbench& wb) {
    PuzzleControl fresh(wb);
    fresh.init(&wb.fControl(), &wb.gControl());
    SaveSettings s;
    s.pVersion = fresh.pVersion;
    s.pSaveVersion = wb.pc().pSaveVersion;
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

void installSaveFile(Workbench& wb, const SaveFileContents& contents) {
    const SaveSettings& s = contents.settings;
    auto next = std::make_unique<PuzzleControl>(wb);
    next->init(&wb.fControl(), &wb.gControl());
    next->sElements = s.sElements;
    next->Experimental = s.Experimental;
    next->guessingEnabled = s.guessingEnabled;
    next->Scribbling = s.Scribbling;
    next->manualPencilMarks = s.manualPencilMarks;
    next->wLanguage = s.wLanguage;
    next->pVersion = wb.pc().pVersion;
    next->pSaveVersion = wb.pc().pSaveVersion;
    next->sBlock = &wb.sBlock();

    // What SizeIt makes of the selected option, set here without waiting for the window to
    // select it.
    next->applySizeOption(contents.sizeOption);

    // The stacked grids refer to the old configuration, which goes now.
    Statsblock& stats = wb.sBlock();
    stats.scColl.clear();
    wb.replacePuzzleControl(std::move(next));
    PuzzleControl& pc = wb.pc();
    stats.pControl = &pc;

    auto grid = std::make_shared<scells>();
    pc.theCells = grid;
    const int n = grid->initstartoff(pc);
    wb.buildUnitTables(n, *grid);
    grid->initfinishoff();
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

    // The window's handlers may run while its options change, so the grid is complete first.
    LoadedOptions shown;
    shown.sizeOption = pc.sgValue;
    shown.language = pc.wLanguage;
    shown.simpleEliminationOnly = !pc.Experimental;
    shown.bruteForce = pc.guessingEnabled;
    shown.showPencilMarks = pc.Scribbling;
    shown.manualPencilMarks = pc.manualPencilMarks;
    wb.settings().showLoadedOptions(shown);
    wb.fControl().setLanguage();
    wb.settings().setElementsText(pc.sElements);

    // The technique switches are sized for N, so they are read for the new size before the
    // candidates are computed with them.
    wb.readSubsetSwitches();
    grid->resetPossibilities();
    wb.gControl().refreshEntrygrid();
    wb.gControl().bUnloadGrid();
}

}  // namespace velmora
