#include "commands/workbench.h"

#include "elimination/grid_build.h"
#include "model/latin1.h"
#include "savefile/general_date.h"

namespace velmora {

Workbench::Workbench(Ports ports, std::uint64_t seed)
    : clock(generalDateNow),
      module_(ports, seed),
      fControl_(std::make_unique<FormControl>(module_)),
      sBlock_(std::make_unique<Statsblock>()) {}

Workbench::~Workbench() {
    // Grids on the stack refer to the configuration; drop them first.
    if (sBlock_) sBlock_->scColl.clear();
}

void Workbench::buildPuzzle() {
    if (!pControl_) pControl_ = std::make_unique<PuzzleControl>(module_);
    PuzzleControl& pc = *pControl_;
    pc.SizeIt();
    if (!module_.gridReady) {
        for (std::size_t i = 0; i < module_.masks.size(); ++i)
            module_.masks[i] = std::uint32_t{1} << i;
        pc.init(fControl_.get(), &module_.gridView());
        fControl_->init(pc);
        sBlock_->init(pc, statusBar());
        settings().setElementsText(
            latin1ToUtf8(pc.sElements.substr(0, static_cast<std::size_t>(pc.nRows * pc.nCols))));
        module_.gridReady = true;
    }
    velmora::buildPuzzle(pc);
}

void Workbench::newPuzzle() {
    buildPuzzle();
    gControl().refreshEntrygrid();
    gControl().bUnloadGrid();
    fControl().resetUndoStack();
}

void Workbench::replacePuzzleControl(std::unique_ptr<PuzzleControl> next) {
    // The stacked grids refer to the configuration that goes now.
    sBlock_->scColl.clear();
    pControl_ = std::move(next);
    fControl_->pControl = pControl_.get();
    sBlock_->pControl = pControl_.get();
}

}  // namespace velmora
