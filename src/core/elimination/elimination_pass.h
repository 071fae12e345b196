// The elimination pass: the rules applied in their fixed order, cycle after cycle, until a cycle
// removes nothing. One object per pass; the rules are also reachable one at a time.
//
// The pass reads the grid's values, candidate sets and counts once into flat arrays, works on
// those and writes the cells that were open back with store(): the rules run over and over on
// every candidate recomputation, and cells are wide records spread over the grid's storage.
#pragma once

#include <array>
#include <cstdint>

#include "model/scells.h"

namespace velmora {

// The size of a set of candidates below N (at most 18 bits) from two lookups in a table of the
// sizes of all 9-bit sets: the pass counts sets all the time.
inline constexpr auto kNineBitCounts = [] {
    std::array<std::uint8_t, 512> counts{};
    for (std::size_t x = 0; x < counts.size(); ++x)
        counts[x] = static_cast<std::uint8_t>(bitCount(static_cast<std::uint32_t>(x)));
    return counts;
}();
inline int candidateCount(std::uint32_t set) {
    return kNineBitCounts[set & 511] + kNineBitCounts[(set >> 9) & 511];
}

class ModuleState;
class PuzzleControl;
class Statsblock;

class EliminationPass {
  public:
    explicit EliminationPass(scells& grid);

    // Runs the enabled rules to a fixed point; returns how many candidates they removed.
    int runEliminations();

    // The box-line rule ("Grabs") on one box.
    int pokeGrabs(int box);
    // Hidden singles of one unit; always returns 0 (a forced cell is not counted).
    int pokeMustBe(int target, int itype);
    // Naked subsets of one unit, counted in the module's neSubsets.
    int pokeDisjointSubsets(int target, int itype);
    // Hidden pairs of one unit.
    int pokeHiddenPairs(int unit, int itype);
    // Naked subsets, then hidden pairs when switched on, while complex rules are in use.
    int pokeUnitSubsets(int unit, int itype);

    // The basic candidates of every open cell, from the values of its units.
    void generateAll();
    bool anySure() const { return sureCount_ > 0; }
    // One sweep of solving by elimination: every open cell with one candidate becomes Sure with
    // it. Returns how many cells it settled; `settled` gets the number of Sure cells after it.
    int settleSingles(int& settled);
    // Writes value, flags, candidates and count of every cell that was open when read.
    void store() const;

  private:
    // Units with a cell whose candidates changed since each rule last looked at them, one bit a
    // unit. A rule that looked at a unit and removed nothing would remove nothing again until a
    // cell of it changes, so the pass skips it (candidates only shrink inside a pass).
    struct UnitChanges {
        std::uint32_t grabs = 0;                 // boxes, for the box-line rule
        std::array<std::uint32_t, 3> mustBe{};   // by unit type, for hidden singles
        std::array<std::uint32_t, 3> subsets{};  // by unit type, for subsets and hidden pairs
    };
    // The open cells of every unit in position order; Sure cells only change between passes.
    struct OpenCells {
        std::array<int, 3 * kMaxDim> size{};
        std::array<std::array<std::int16_t, kMaxDim>, 3 * kMaxDim> cells;
    };
    // One unit's open cells with their candidate sets and counts, read once for its rules.
    template <bool Exact>
    struct UnitSets;

    const std::int16_t* unit(int index, int unitType) const {
        return units_ + (unitType * n_ + index) * n_;
    }
    int openSize(int index, int unitType) const {
        return open_.size[static_cast<std::size_t>(unitType * n_ + index)];
    }
    const std::int16_t* openCells(int index, int unitType) const {
        return open_.cells[static_cast<std::size_t>(unitType * n_ + index)].data();
    }
    // Lists the open cells and settles whether counts are exact, where not done yet: the rules
    // need both, and a recomputation makes the second known.
    void prepare() {
        if (!listed_ || !exactKnown_) prepareNow();
    }
    void prepareNow();
    void listOpenCells();
    void noteChanged(int cell);
    // True when `unit` is marked in `mask`; clears the mark.
    static bool takeChanged(std::uint32_t& mask, int unit);
    template <bool Exact>
    void readUnit(UnitSets<Exact>& u, int unit, int unitType) const;
    // Bit c: naked subsets of c cells are switched on and smaller than the unit.
    std::uint32_t subsetSizes() const;
    bool complexRulesOn() const;
    int unitSubsets(int unit, int itype, std::uint32_t sizes);
    template <bool Exact>
    int unitSubsetsWith(int unit, int itype, std::uint32_t sizes);
    template <bool Exact>
    int disjointSubsets(UnitSets<Exact>& u, std::uint32_t sizes);
    template <bool Exact>
    int hiddenPairs(const UnitSets<Exact>& u);
    // Leaves the cell only the candidates of `keep`; returns how many it lost.
    int keepOnly(int cell, std::uint32_t keep);

    scells& grid_;
    const PuzzleControl& pc_;
    ModuleState& module_;
    Statsblock& stats_;
    int n_;
    int cells_;
    std::uint32_t all_;  // every candidate of an N-element puzzle
    const std::int16_t* units_;
    int sureCount_ = 0;
    // True while every open cell's count is the size of its set and no set holds a candidate at
    // or above N: so after generateAll, and the rules keep it so; on a grid as read, tested.
    bool exact_ = false;
    bool exactKnown_ = false;
    bool listed_ = false;  // open_ lists the open cells
    UnitChanges changed_;
    OpenCells open_;

    // Per cell, by bigindex. A Sure cell's set is kept empty here, so that sums over a unit need
    // not ask which cells are open; the grid's own set of a cell Sure when read is never written.
    static constexpr int kMaxCells = kMaxDim * kMaxDim;
    std::array<std::uint32_t, kMaxCells> cand_;
    std::array<int, kMaxCells> count_;
    std::array<std::int16_t, kMaxCells> value_;
    std::array<bool, kMaxCells> sure_;
    std::array<bool, kMaxCells> readSure_;  // Sure when read: never written back
    std::array<std::uint8_t, kMaxCells> row_;
    std::array<std::uint8_t, kMaxCells> col_;
    std::array<std::uint8_t, kMaxCells> box_;
};

// The pass and the single rules on `grid`, each with a pass of its own.
int runEliminations(scells& grid);
int pokeGrabs(scells& grid, int box);
int pokeMustBe(scells& grid, int target, int itype);
int pokeDisjointSubsets(scells& grid, int target, int itype);
int pokeHiddenPairs(scells& grid, int unit, int itype);
int pokeUnitSubsets(scells& grid, int unit, int itype);

}  // namespace velmora
