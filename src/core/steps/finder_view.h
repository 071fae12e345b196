// What the technique finders read: every open cell's candidates and, per unit, which positions
// can take which value. Made once per search; the finders only read it.
#pragma once

#include <array>
#include <cstdint>
#include <span>
#include <vector>

#include "model/box_shape.h"
#include "steps/candidate_grid.h"
#include "steps/step.h"

namespace velmora {

struct UnitScan {
    UnitRef ref;
    std::span<const std::int16_t> cells;              // by position
    std::uint32_t open = 0;                           // positions of open cells
    std::array<std::uint32_t, kMaxDim> candidates{};  // by position, 0 for placed cells
    std::array<std::uint32_t, kMaxDim> places{};      // by value index v-1: positions
};

struct FinderView {
    BoxShape shape{};
    int n = 0;
    // Per cell: its candidates less the values placed in its units, so that stale pencil marks
    // never make a step; 0 for placed cells.
    std::vector<std::uint32_t> candidates;
    std::vector<UnitScan> scans;  // the finders' unit order: boxes, then rows, then columns

    const UnitScan& unit(UnitType type, int index) const;
    std::uint32_t at(int cell) const { return candidates[static_cast<std::size_t>(cell)]; }
};

// The unit types in the order every finder visits them.
inline constexpr std::array<UnitType, 3> kScanOrder{kBox, kRow, kColumn};

FinderView makeFinderView(const CandidateGrid& grid, const UnitTable& units);

// The eliminations of the values in `values` from the open positions `targets` of `scan`, by
// cell then value.
std::vector<CellValue> eliminationsIn(const UnitScan& scan, std::uint32_t targets,
                                      std::uint32_t values);

// The cells at `positions` of `scan`, ascending.
std::vector<int> cellsAt(const UnitScan& scan, std::uint32_t positions);

}  // namespace velmora
