#include "model/module_state.h"

namespace velmora {

ModuleState::ModuleState(Ports ports, std::uint64_t seed) : ports_(ports), random_(seed) {
    if (!ports_.statusBar) ports_.statusBar = &quietStatus_;
    if (!ports_.messages) ports_.messages = &quietMessages_;
    if (!ports_.gridView) ports_.gridView = &quietGrid_;
    if (!ports_.settings) ports_.settings = &fixedSettings_;
    if (!ports_.undoButtons) ports_.undoButtons = &quietUndo_;
    if (!ports_.controls) ports_.controls = &quietControls_;
    if (!ports_.fileDialogs) ports_.fileDialogs = &quietDialogs_;
    if (!ports_.explanation) ports_.explanation = &quietExplanation_;
}

void ModuleState::buildUnitTables(BoxShape shape) {
    // Every new puzzle asks for the tables; they only change with the shape.
    if (unitCells.n() == 0 || unitCells.shape() != shape) unitCells = UnitTable(shape);
    neSubsets.assign(static_cast<std::size_t>(shape.n()), 0);
}

}  // namespace velmora
