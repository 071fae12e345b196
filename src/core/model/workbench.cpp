#include "model/workbench.h"

#include <algorithm>

namespace velmora {

Workbench::Workbench(Ports ports, std::uint64_t seed) : ports_(ports), random_(seed) {
    if (!ports_.statusBar) ports_.statusBar = &quietStatus_;
    if (!ports_.messages) ports_.messages = &quietMessages_;
    if (!ports_.gridView) ports_.gridView = &quietGrid_;
    if (!ports_.settings) ports_.settings = &fixedSettings_;
    if (!ports_.undoButtons) ports_.undoButtons = &quietUndo_;
    if (!ports_.controls) ports_.controls = &quietControls_;
}

Workbench::~Workbench() {
    // Grids on the stack refer to the configuration; drop them first.
    if (sBlock_) sBlock_->scColl.clear();
}

void Workbench::buildPuzzle() {
    const bool first = !pControl_;
    if (first) {
        pControl_ = std::make_unique<PuzzleControl>(*this);
        fControl_ = std::make_unique<FormControl>(*this);
        sBlock_ = std::make_unique<Statsblock>();
    }
    PuzzleControl& pc = *pControl_;
    pc.SizeIt();
    if (!gridReady) {
        for (int i = 0; i < 32; ++i)
            masks[static_cast<std::size_t>(i)] = std::uint32_t{1} << i;
        pc.init(fControl_.get(), ports_.gridView);
        fControl_->init();
        sBlock_->init(pc, statusBar());
        settings().setElementsText(
            pc.sElements.substr(0, static_cast<std::size_t>(pc.nRows * pc.nCols)));
        gridReady = true;
    }
    sBlock_->scColl.clear();
    auto grid = std::make_shared<scells>();
    const int n = grid->initstartoff(pc);
    if (n > 0) {
        buildUnitTables(n, *grid);
        grid->initfinishoff();
        sBlock_->scColl.push_back(grid);
        grid->init(pc);
    }
    pc.theCells = grid;
    readSubsetSwitches();
}

void Workbench::newPuzzle() {
    buildPuzzle();
    gControl().refreshEntrygrid();
    gControl().bUnloadGrid();
    fControl().resetUndoStack();
}

void Workbench::readSubsetSwitches() {
    const int n = pControl_->nDim;
    subsetEnabled.assign(static_cast<std::size_t>(std::max(n, 0)), 0);
    const WindowSettings& s = settings();
    for (int k = 0; k < 4 && k < n; ++k)
        subsetEnabled[static_cast<std::size_t>(k)] = s.subsetSwitch(k);
    for (int k = 4; k <= (n + 1) / 2 && k < n; ++k)
        subsetEnabled[static_cast<std::size_t>(k)] = s.subsetSwitch(4);
    grabsEnabled = s.grabsSwitch();
    hiddenPairsEnabled = s.hiddenPairsSwitch();
}

void Workbench::buildUnitTables(int n, const scells& grid) {
    unitDim = n;
    unitCells.assign(static_cast<std::size_t>(n * n * 3), 0);
    std::vector<int> nextInBox(static_cast<std::size_t>(n), 0);
    for (int b = 0; b < n * n; ++b) {
        const int box = grid.getcellBigindex(b).boxNumber;
        const int position = nextInBox[static_cast<std::size_t>(box)]++;
        unitCells[static_cast<std::size_t>((kBox * n + box) * n + position)] =
            static_cast<std::int16_t>(b);
    }
    for (int row = 0; row < n; ++row) {
        for (int col = 0; col < n; ++col) {
            unitCells[static_cast<std::size_t>((kRow * n + row) * n + col)] =
                static_cast<std::int16_t>(row * n + col);
            unitCells[static_cast<std::size_t>((kColumn * n + col) * n + row)] =
                static_cast<std::int16_t>(row * n + col);
        }
    }
    neSubsets.assign(static_cast<std::size_t>(n), 0);
}

void Workbench::replacePuzzleControl(std::unique_ptr<PuzzleControl> next) {
    pControl_ = std::move(next);
    fControl_->pControl = pControl_.get();
}

}  // namespace velmora
