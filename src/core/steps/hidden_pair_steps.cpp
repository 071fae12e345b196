// Hidden pairs: two values with the same two places in a unit.
#include <bit>

#include "steps/technique_finders.h"

namespace velmora {

std::optional<Step> findHiddenPair(const FinderView& view) {
    for (const UnitScan& scan : view.scans) {
        for (int a = 0; a < view.n; ++a) {
            const std::uint32_t places = scan.places[static_cast<std::size_t>(a)];
            if (std::popcount(places) != 2) continue;
            for (int b = a + 1; b < view.n; ++b) {
                if (scan.places[static_cast<std::size_t>(b)] != places) continue;
                const std::uint32_t pair = valueBit(a + 1) | valueBit(b + 1);
                std::vector<CellValue> gone = eliminationsIn(scan, places, ~pair);
                if (gone.empty()) continue;
                Step step;
                step.technique = Technique::HiddenPair;
                step.units = {scan.ref};
                step.cells = cellsAt(scan, places);
                step.values = pair;
                step.eliminations = std::move(gone);
                return step;
            }
        }
    }
    return std::nullopt;
}

}  // namespace velmora
