// The state the puzzle procedures share, one object per program (every test makes its own): the
// candidate-bit table, the technique switches, the unit table, the naked-subset counters, the
// random source and the window's ports.
#pragma once

#include <array>
#include <cstdint>
#include <vector>

#include "model/box_shape.h"
#include "model/ports.h"
#include "model/quiet_ports.h"
#include "model/random.h"

namespace velmora {

class ModuleState {
  public:
    explicit ModuleState(Ports ports = {}, std::uint64_t seed = Random::clockSeed());
    ModuleState(const ModuleState&) = delete;
    ModuleState& operator=(const ModuleState&) = delete;

    bool gridReady = false;
    std::array<std::uint32_t, 32> masks{};
    std::vector<char> subsetEnabled;  // index k: naked subsets of size k+1 are on
    bool grabsEnabled = true;         // the box-line and hidden-single rules
    bool hiddenPairsEnabled = true;
    UnitTable unitCells;
    std::vector<int> neSubsets;  // removals by naked subsets of size k+1

    int unitCell(int position, int unit, int unitType) const {
        return unitCells.cell(position, unit, unitType);
    }
    const std::int16_t* unitRow(int unit, int unitType) const {
        return unitCells.unit(unitType, unit).data();
    }
    // Sizes the unit table and the naked-subset counters for boxes of `shape`.
    void buildUnitTables(BoxShape shape);

    StatusBar& statusBar() { return *ports_.statusBar; }
    MessageBoxes& messages() { return *ports_.messages; }
    GridView& gridView() { return *ports_.gridView; }
    WindowSettings& settings() { return *ports_.settings; }
    const WindowSettings& settings() const { return *ports_.settings; }
    UndoButtons& undoButtons() { return *ports_.undoButtons; }
    NamedControls& controls() { return *ports_.controls; }
    FileDialogs& fileDialogs() { return *ports_.fileDialogs; }
    ExplanationPanel& explanation() { return *ports_.explanation; }
    Random& random() { return random_; }

  private:
    Ports ports_;
    Random random_;
    // Stand-ins for ports nobody supplied.
    QuietStatusBar quietStatus_;
    QuietMessages quietMessages_;
    QuietGridView quietGrid_;
    FixedSettings fixedSettings_;
    QuietUndoButtons quietUndo_;
    QuietControls quietControls_;
    QuietFileDialogs quietDialogs_;
    QuietExplanation quietExplanation_;
};

}  // namespace velmora
