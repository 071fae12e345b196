// A workbench drawn by a real GridControl on a fake surface, for the display tests.
#pragma once

#include <memory>
#include <string>

#include "display/grid_control.h"
#include "fake_statistics.h"
#include "fake_surface.h"
#include "model/quiet_ports.h"
#include "model/workbench.h"

namespace velmora::test {

struct DisplayBench {
    FixedSettings settings;
    QuietStatusBar status;
    QuietMessages messages;
    QuietUndoButtons undo;
    FakeSurface surface;
    FakeStatistics statistics;
    GridControl grid{surface, &statistics};
    std::unique_ptr<Workbench> wb;

    // A new empty puzzle of size option `sizeOption`, laid out and drawn.
    explicit DisplayBench(int sizeOption = 0, std::uint64_t seed = 7);

    PuzzleControl& pc() { return wb->pc(); }
    scells& cells() { return wb->theCells(); }
    scell& cell(int r, int c) { return cells().getCell(r, c); }
    // Types each character of `keys` at the cursor.
    void type(const std::string& keys);
    // Puts the cursor on (r, c).
    void at(int r, int c) { surface.setCurrentCell(r, c); }
};

}  // namespace velmora::test
