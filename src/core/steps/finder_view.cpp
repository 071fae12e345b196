#include "steps/finder_view.h"

#include <algorithm>
#include <bit>

namespace velmora {

const UnitScan& FinderView::unit(UnitType type, int index) const {
    const auto slot = std::find(kScanOrder.begin(), kScanOrder.end(), type) - kScanOrder.begin();
    return scans[static_cast<std::size_t>(slot * n + index)];
}

FinderView makeFinderView(const CandidateGrid& grid, const UnitTable& units) {
    FinderView view;
    view.shape = grid.shape;
    view.n = grid.n();
    const int n = view.n;
    const std::uint32_t all = allValues(n);

    // Values placed per unit, indexed by UnitType then unit.
    std::array<std::array<std::uint32_t, kMaxDim>, 3> placed{};
    for (int cell = 0; cell < grid.cellCount(); ++cell) {
        const int v = grid.values[static_cast<std::size_t>(cell)];
        if (v == 0) continue;
        const int r = cell / n, c = cell % n;
        placed[kRow][static_cast<std::size_t>(r)] |= valueBit(v);
        placed[kColumn][static_cast<std::size_t>(c)] |= valueBit(v);
        placed[kBox][static_cast<std::size_t>(grid.shape.boxOf(r, c))] |= valueBit(v);
    }
    view.candidates.assign(static_cast<std::size_t>(grid.cellCount()), 0);
    for (int cell = 0; cell < grid.cellCount(); ++cell) {
        if (!grid.isOpen(cell)) continue;
        const int r = cell / n, c = cell % n;
        const std::uint32_t taken = placed[kRow][static_cast<std::size_t>(r)] |
                                    placed[kColumn][static_cast<std::size_t>(c)] |
                                    placed[kBox][static_cast<std::size_t>(grid.shape.boxOf(r, c))];
        view.candidates[static_cast<std::size_t>(cell)] = grid.candidatesAt(cell) & all & ~taken;
    }

    view.scans.reserve(static_cast<std::size_t>(3 * n));
    for (const UnitType type : kScanOrder) {
        for (int index = 0; index < n; ++index) {
            UnitScan scan;
            scan.ref = {type, index};
            scan.cells = units.unit(type, index);
            for (int p = 0; p < n; ++p) {
                const int cell = scan.cells[static_cast<std::size_t>(p)];
                if (!grid.isOpen(cell)) continue;
                const std::uint32_t held = view.at(cell);
                scan.open |= 1u << p;
                scan.candidates[static_cast<std::size_t>(p)] = held;
                for (std::uint32_t vs = held; vs != 0; vs &= vs - 1)
                    scan.places[static_cast<std::size_t>(std::countr_zero(vs))] |= 1u << p;
            }
            view.scans.push_back(scan);
        }
    }
    return view;
}

std::vector<CellValue> eliminationsIn(const UnitScan& scan, std::uint32_t targets,
                                      std::uint32_t values) {
    std::vector<CellValue> out;
    for (std::uint32_t ps = targets & scan.open; ps != 0; ps &= ps - 1) {
        const auto p = static_cast<std::size_t>(std::countr_zero(ps));
        for (std::uint32_t vs = scan.candidates[p] & values; vs != 0; vs &= vs - 1)
            out.push_back({scan.cells[p], std::countr_zero(vs) + 1});
    }
    // Every unit lists its cells in ascending bigindex order, so this is sorted by cell.
    return out;
}

std::vector<int> cellsAt(const UnitScan& scan, std::uint32_t positions) {
    std::vector<int> cells;
    for (std::uint32_t ps = positions; ps != 0; ps &= ps - 1)
        cells.push_back(scan.cells[static_cast<std::size_t>(std::countr_zero(ps))]);
    return cells;
}

}  // namespace velmora
