// One N x N puzzle grid: it owns its cells, knows the geometry of rows, columns and boxes,
// copies itself, marks conflicts, tests for completion and keeps the solver order. Candidates and
// the elimination rules work on it from the layer above.
//
// Cells are addressed by (row, column) or by bigindex = row * N + column. Units: type 0 row,
// 1 column, 2 box, each numbered 0..N-1 (boxes row by row); the module's unit table lists
// the bigindexes of every unit. Status codes: 0 contradiction or given up, 1 solved, 2 undecided.
#pragma once

#include <array>
#include <cstdint>
#include <memory>
#include <vector>

#include "model/box_shape.h"
#include "model/scell.h"
#include "model/slist.h"

namespace velmora {

class PuzzleControl;

class scells {
  public:
    std::int16_t nClone = 0;  // copy depth
    bool Invalid = false;
    std::int16_t SolvedStatus = 0;
    slist sOrder;  // solver order: all bigindexes, fewest candidates first
    PuzzleControl* pControl = nullptr;

    // Builds the cells for pc's geometry; returns N, or 0 (after "invalid dimensions") for a
    // shape that is not square. Candidates are computed by the layer above (initfinishoff).
    int initstartoff(PuzzleControl& pc);

    scell& getCell(int irow, int icol) {
        return cells_[static_cast<std::size_t>(makeBigIndex(irow, icol))];
    }
    const scell& getCell(int irow, int icol) const {
        return cells_[static_cast<std::size_t>(makeBigIndex(irow, icol))];
    }
    scell& getcellBigindex(int bigindex) { return cells_[static_cast<std::size_t>(bigindex)]; }
    const scell& getcellBigindex(int bigindex) const {
        return cells_[static_cast<std::size_t>(bigindex)];
    }
    int makeBigIndex(int irow, int icol) const { return irow * n_ + icol; }
    int dim() const { return n_; }
    int cellCount() const { return static_cast<int>(cells_.size()); }
    std::vector<scell>& cells() { return cells_; }
    const std::vector<scell>& cells() const { return cells_; }
    // The bigindexes of a unit's cells (see UnitTable).
    const std::int16_t* unitOf(int unit, int unitType) const;

    void ClearPencilMarks();
    // Copies values and flags (not candidates, Invalid or orders) into s, built for the same size.
    scells& sCopy(scells& s) const;
    // Makes this grid a copy of `source` as the guessing solver needs it, without building it
    // first: values, flags, candidates and the solver order (taken from the source rather than
    // drawn again); no Invalid marks and no candidate order drawn yet, as on a fresh grid. Copy
    // depth and status as sCopy gives them.
    void cloneFrom(const scells& source);
    void Validate();
    int allDone() const;
    void Resetting();
    // True when two Sure cells of one unit hold the same value.
    bool hasConflict() const;
    // Every cell holds a value and no unit holds one twice.
    bool isSolved() const { return allDone() == 1 && !hasConflict(); }
    // A number that changes whenever a cell's value, flags or candidates change, so that what a
    // command showed about the grid can tell that the grid has moved on.
    std::uint64_t fingerprint() const;

    // The solver order and the guessing solver's walk along it.
    scell* getNextGuess(const scell* sGuessing);
    void releaseCells();
    scell* getNextCell(const scell* s);
    void Optimize();

  private:
    int countInUnit(int element, int unit, int unitType) const;
    void setOrderIndexes();

    std::vector<scell> cells_;
    int n_ = 0;
};

using GridPtr = std::shared_ptr<scells>;

}  // namespace velmora
