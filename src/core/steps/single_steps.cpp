// Naked and hidden singles: the placements.
#include <bit>

#include "steps/technique_finders.h"

namespace velmora {

std::optional<Step> findNakedSingle(const FinderView& view) {
    for (int cell = 0; cell < view.n * view.n; ++cell) {
        const std::uint32_t held = view.at(cell);
        if (!std::has_single_bit(held)) continue;
        const int value = std::countr_zero(held) + 1;
        Step step;
        step.technique = Technique::NakedSingle;
        step.cells = {cell};
        step.values = held;
        step.placements = {{cell, value}};
        return step;
    }
    return std::nullopt;
}

std::optional<Step> findHiddenSingle(const FinderView& view) {
    for (const UnitScan& scan : view.scans) {
        for (int v = 0; v < view.n; ++v) {
            const std::uint32_t places = scan.places[static_cast<std::size_t>(v)];
            if (!std::has_single_bit(places)) continue;
            const int cell = scan.cells[static_cast<std::size_t>(std::countr_zero(places))];
            Step step;
            step.technique = Technique::HiddenSingle;
            step.units = {scan.ref};
            step.cells = {cell};
            step.values = valueBit(v + 1);
            step.placements = {{cell, v + 1}};
            return step;
        }
    }
    return std::nullopt;
}

}  // namespace velmora
