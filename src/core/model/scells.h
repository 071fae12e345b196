// One N x N puzzle grid: it owns its cells, knows the geometry of rows, columns and boxes,
// copies itself, marks conflicts, tests for completion and runs the candidate computation and
// elimination rules over its cells.
//
// Cells are addressed by (row, column) or by bigindex = row * N + column. Units: type 0 row,
// 1 column, 2 box, each numbered 0..N-1 (boxes row by row); the workbench's unit table lists
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
class Workbench;

class scells : public std::enable_shared_from_this<scells> {
  public:
    std::int16_t nClone = 0;  // copy depth
    bool Invalid = false;
    std::int16_t SolvedStatus = 0;
    slist sOrder;  // solver order: all bigindexes, fewest candidates first
    PuzzleControl* pControl = nullptr;

    // Building. initstartoff returns N, or 0 (after "invalid dimensions") for a non-square shape.
    int initstartoff(PuzzleControl& pc);
    void initfinishoff();
    int initstandalone(PuzzleControl& pc);
    // initstandalone, then appends this grid to the grid stack.
    void init(PuzzleControl& pc);

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

    void ClearPencilMarks();
    // Copies values and flags (not candidates, Invalid or orders) into s, built for the same size.
    scells& sCopy(scells& s) const;
    // A new grid on the grid stack holding this grid's values and givens.
    std::shared_ptr<scells> Clone();
    void Validate();
    int allDone() const;
    void Resetting();
    // True when two Sure cells of one unit hold the same value.
    bool hasConflict() const;

    // Candidates and the elimination pass.
    void resetPossibilities();
    void allPossibilities();
    int rebuildPossibilities(bool complex);
    void generateAllPossibilities();
    int runEliminations();
    int pokeMustBe(int target, int itype);
    int pokeDisjointSubsets(int target, int itype);
    int pokeHiddenPairs(int unit, int itype, int size);
    int pokeUnitSubsets(int unit, int itype);
    int pokeGrabs(int box);

    // Guessing support and the solver order.
    int tryIt();
    scell* getNextGuess(const scell* sGuessing);
    void releaseCells();
    scell* getNextCell(const scell* s);
    void Optimize();

    Workbench& module() const;

  private:
    // Units with a cell whose candidates changed since each rule last looked at them, one bit a
    // unit. A rule that looked at a unit and removed nothing would remove nothing again until a
    // cell of it changes, so the pass skips it (candidates only shrink inside a pass).
    struct UnitChanges {
        std::uint32_t grabs = 0;                 // boxes, for the box-line rule
        std::array<std::uint32_t, 3> mustBe{};   // by unit type, for hidden singles
        std::array<std::uint32_t, 3> subsets{};  // by unit type, for subsets and hidden pairs
    };
    void noteChanged(const scell& cell) {
        const std::uint32_t row = candidateBit(cell.meRow);
        const std::uint32_t col = candidateBit(cell.meCol);
        const std::uint32_t box = candidateBit(cell.boxNumber);
        changed_.grabs |= box;
        changed_.mustBe[kRow] |= row;
        changed_.mustBe[kColumn] |= col;
        changed_.mustBe[kBox] |= box;
        changed_.subsets[kRow] |= row;
        changed_.subsets[kColumn] |= col;
        changed_.subsets[kBox] |= box;
    }
    // True when `unit` is marked in `mask`; clears the mark.
    static bool takeChanged(std::uint32_t& mask, int unit) {
        const std::uint32_t bit = candidateBit(unit);
        if (!(mask & bit)) return false;
        mask &= ~bit;
        return true;
    }

    // One unit's open cells with their candidate sets and counts, read once for its rules.
    struct UnitSets;
    void readUnit(UnitSets& u, int unit, int unitType) const;
    // Bit c: naked subsets of c cells are switched on and smaller than the unit.
    std::uint32_t subsetSizes() const;
    int unitSubsets(int unit, int itype, std::uint32_t sizes);
    int disjointSubsets(UnitSets& u, std::uint32_t sizes);
    int hiddenPairs(const UnitSets& u, int size);
    int hiddenSubsetsOfSize(const UnitSets& u, int size);
    // Leaves the cell only the candidates of `keep`; returns how many it lost.
    int keepOnly(int bigindex, std::uint32_t keep);

    int countInUnit(int element, int unit, int unitType) const;
    void setOrderIndexes();
    const std::int16_t* unitOf(int unit, int unitType) const;

    std::vector<scell> cells_;
    int n_ = 0;
    UnitChanges changed_;
};

using GridPtr = std::shared_ptr<scells>;

}  // namespace velmora
