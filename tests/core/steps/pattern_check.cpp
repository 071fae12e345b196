#include "pattern_check.h"

#include <algorithm>
#include <bit>

namespace velmora::test {

namespace {

bool inUnit(BoxShape s, UnitRef u, int cell) {
    const int r = cell / s.n(), c = cell % s.n();
    return u.type == kRow      ? r == u.index
           : u.type == kColumn ? c == u.index
                               : s.boxOf(r, c) == u.index;
}

bool holds(const CandidateGrid& g, int cell, int v) {
    return g.isOpen(cell) && (g.candidatesAt(cell) & valueBit(v)) != 0;
}

// The open cells of `u` that can hold v.
std::vector<int> placesOf(const CandidateGrid& g, UnitRef u, int v) {
    std::vector<int> places;
    for (int cell = 0; cell < g.cellCount(); ++cell)
        if (inUnit(g.shape, u, cell) && holds(g, cell, v)) places.push_back(cell);
    return places;
}

bool contains(const std::vector<int>& cells, int cell) {
    return std::find(cells.begin(), cells.end(), cell) != cells.end();
}

}  // namespace

bool patternHolds(const CandidateGrid& g, const Step& step) {
    if (step.placements.empty() && step.eliminations.empty()) return false;
    for (const CellValue& e : step.eliminations)
        if (!holds(g, e.cell, e.value)) return false;
    const int lowest = std::countr_zero(step.values) + 1;
    switch (step.technique) {
        case Technique::NakedSingle:
            return step.placements.size() == 1 && g.isOpen(step.placements[0].cell) &&
                   g.candidatesAt(step.placements[0].cell) == valueBit(step.placements[0].value);
        case Technique::HiddenSingle:
            return step.placements.size() == 1 &&
                   placesOf(g, step.units[0], step.placements[0].value) ==
                       std::vector<int>{step.placements[0].cell};
        case Technique::BoxLine: {
            const std::vector<int> inBox = placesOf(g, step.units[0], lowest);
            return !inBox.empty() && std::all_of(inBox.begin(), inBox.end(), [&](int c) {
                return inUnit(g.shape, step.units[1], c);
            }) && std::all_of(step.eliminations.begin(), step.eliminations.end(), [&](auto e) {
                return e.value == lowest && inUnit(g.shape, step.units[1], e.cell) &&
                       !inUnit(g.shape, step.units[0], e.cell);
            });
        }
        case Technique::HiddenPair:
            for (std::uint32_t vs = step.values; vs != 0; vs &= vs - 1)
                if (placesOf(g, step.units[0], std::countr_zero(vs) + 1) != step.cells)
                    return false;
            return std::all_of(step.eliminations.begin(), step.eliminations.end(), [&](auto e) {
                return contains(step.cells, e.cell) && !(step.values & valueBit(e.value));
            });
        default: {  // naked subsets
            std::uint32_t joined = 0;
            for (const int cell : step.cells) {
                if (!g.isOpen(cell) || !inUnit(g.shape, step.units[0], cell)) return false;
                joined |= g.candidatesAt(cell);
            }
            return joined == step.values &&
                   std::popcount(joined) == static_cast<int>(step.cells.size()) &&
                   std::all_of(step.eliminations.begin(), step.eliminations.end(), [&](auto e) {
                       return inUnit(g.shape, step.units[0], e.cell) &&
                              !contains(step.cells, e.cell) && (joined & valueBit(e.value));
                   });
        }
    }
}

}  // namespace velmora::test
