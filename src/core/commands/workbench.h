// The program's puzzle workbench, assembled on top of the core: the module state, the one
// configuration, the form controller and the statistics block, with the setup procedures that
// create and rebuild them (buildPuzzle, newPuzzle). The program creates one; every test creates
// its own, so no state is shared.
#pragma once

#include <cstdint>
#include <functional>
#include <memory>
#include <string>

#include "commands/check_command.h"
#include "commands/explain_ladder.h"
#include "elimination/statsblock.h"
#include "history/form_control.h"
#include "model/module_state.h"
#include "model/puzzle_control.h"

namespace velmora {

class Workbench {
  public:
    explicit Workbench(Ports ports = {}, std::uint64_t seed = Random::clockSeed());
    Workbench(const Workbench&) = delete;
    Workbench& operator=(const Workbench&) = delete;
    ~Workbench();

    ModuleState& module() { return module_; }
    // The one configuration exists once buildPuzzle has run; the other controllers from the
    // start, so that a view can be tied to them first.
    PuzzleControl& pc() { return *pControl_; }
    const PuzzleControl& pc() const { return *pControl_; }
    bool hasPuzzle() const { return pControl_ != nullptr; }
    FormControl& fControl() { return *fControl_; }
    Statsblock& sBlock() { return *sBlock_; }
    GridView& gControl() { return module_.gridView(); }
    scells& theCells() { return *pControl_->theCells; }

    StatusBar& statusBar() { return module_.statusBar(); }
    MessageBoxes& messages() { return module_.messages(); }
    WindowSettings& settings() { return module_.settings(); }
    NamedControls& controls() { return module_.controls(); }
    FileDialogs& fileDialogs() { return module_.fileDialogs(); }

    // The first run creates the controllers and applies the defaults; every run builds a new
    // empty grid of the selected size.
    void buildPuzzle();
    // buildPuzzle, then the grid laid out and drawn, and the undo history emptied.
    void newPuzzle();
    // Makes a loaded configuration the program's one configuration; the old one is released.
    void replacePuzzleControl(std::unique_ptr<PuzzleControl> next);

    // The Explain button's ladder and the Check button's findings.
    ExplainLadder& ladder() { return ladder_; }
    CheckCommand& check() { return check_; }

    // The date and time written into save files.
    std::function<std::string()> clock;
    // Asked now and then by long commands (Generate): true stops them. Unset: never.
    std::function<bool()> stopRequested;

  private:
    ModuleState module_;
    std::unique_ptr<PuzzleControl> pControl_;
    std::unique_ptr<FormControl> fControl_;
    std::unique_ptr<Statsblock> sBlock_;
    ExplainLadder ladder_;
    CheckCommand check_;
};

}  // namespace velmora
