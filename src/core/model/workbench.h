// The program's one puzzle module: the setup procedures (buildPuzzle, newPuzzle,
// readSubsetSwitches, buildUnitTables), the state they share (masks, subset switches, unit
// table, naked-subset counters), the single controllers, the random source and the ports to the
// window. The program creates one; every test creates its own, so no state is shared.
#pragma once

#include <array>
#include <cstdint>
#include <memory>
#include <vector>

#include "elimination/statsblock.h"
#include "history/form_control.h"
#include "model/ports.h"
#include "model/puzzle_control.h"
#include "model/quiet_ports.h"
#include "model/random.h"

namespace velmora {

class Workbench {
  public:
    explicit Workbench(Ports ports = {}, std::uint64_t seed = Random::clockSeed());
    Workbench(const Workbench&) = delete;
    Workbench& operator=(const Workbench&) = delete;
    ~Workbench();

    // Module state.
    bool gridReady = false;
    std::array<std::uint32_t, 32> masks{};
    std::vector<char> subsetEnabled;  // index k: naked subsets of size k+1 are on
    bool grabsEnabled = true;         // the box-line and hidden-single rules
    bool hiddenPairsEnabled = true;
    std::vector<std::int16_t> unitCells;  // [unitType][unit][position] -> bigindex
    std::vector<int> neSubsets;           // removals by naked subsets of size k+1
    int unitDim = 0;                      // N of the unit table

    int unitCell(int position, int unit, int unitType) const {
        return unitCells[static_cast<std::size_t>((unitType * unitDim + unit) * unitDim +
                                                  position)];
    }
    const std::int16_t* unitRow(int unit, int unitType) const {
        return unitCells.data() + (unitType * unitDim + unit) * unitDim;
    }

    // The single controllers; they exist once buildPuzzle has run.
    PuzzleControl& pc() { return *pControl_; }
    const PuzzleControl& pc() const { return *pControl_; }
    bool hasPuzzle() const { return pControl_ != nullptr; }
    FormControl& fControl() { return *fControl_; }
    Statsblock& sBlock() { return *sBlock_; }
    GridView& gControl() { return *ports_.gridView; }
    scells& theCells() { return *pControl_->theCells; }

    // The ports, never null.
    StatusBar& statusBar() { return *ports_.statusBar; }
    MessageBoxes& messages() { return *ports_.messages; }
    WindowSettings& settings() { return *ports_.settings; }
    UndoButtons& undoButtons() { return *ports_.undoButtons; }
    NamedControls& controls() { return *ports_.controls; }
    Random& random() { return random_; }

    void buildPuzzle();
    void newPuzzle();
    void readSubsetSwitches();
    void buildUnitTables(int n, const scells& grid);
    // Makes a loaded configuration the program's one configuration; the old one is released.
    void replacePuzzleControl(std::unique_ptr<PuzzleControl> next);

  private:
    Ports ports_;
    Random random_;
    std::unique_ptr<PuzzleControl> pControl_;
    std::unique_ptr<FormControl> fControl_;
    std::unique_ptr<Statsblock> sBlock_;
    // Stand-ins for ports nobody supplied.
    QuietStatusBar quietStatus_;
    QuietMessages quietMessages_;
    QuietGridView quietGrid_;
    FixedSettings fixedSettings_;
    QuietUndoButtons quietUndo_;
    QuietControls quietControls_;
};

}  // namespace velmora
