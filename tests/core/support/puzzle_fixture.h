// Helpers the core tests share: a workbench of a chosen box shape, puzzles typed as strings,
// the sample puzzle files, and an independent check that a grid is a solution.
#pragma once

#include <memory>
#include <string>
#include <utility>
#include <vector>

#include "model/quiet_ports.h"
#include "model/workbench.h"

namespace velmora::test {

// A workbench whose window ports are plain recorders, built for the box shape rows x cols.
struct Bench {
    FixedSettings settings;
    QuietStatusBar status;
    QuietMessages messages;
    QuietGridView grid;
    QuietUndoButtons undo;
    std::unique_ptr<Workbench> wb;

    explicit Bench(int boxRows = 3, int boxCols = 3, std::uint64_t seed = 1);
    PuzzleControl& pc() { return wb->pc(); }
    scells& cells() { return wb->theCells(); }
    int n() const { return wb->pc().nDim; }
    // Rebuilds the grid and enters `puzzle` (one character a cell, '.' empty) as givens.
    void enterGivens(const std::string& puzzle);
    // The grid as a puzzle string ('.' for open cells).
    std::string gridText();
};

struct SamplePuzzle {
    std::string puzzle;
    std::string solution;
};

// The puzzles of a file in tests/data (lines "puzzle solution", '#' comments skipped).
std::vector<SamplePuzzle> loadSamples(const std::string& fileName);

// True when `text` is a complete grid obeying the rules for a box of rows x cols.
bool isSolution(const std::string& text, int boxRows, int boxCols);

}  // namespace velmora::test
