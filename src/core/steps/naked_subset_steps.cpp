// Naked subsets of any size.
#include <bit>
#include <optional>
#include <utility>

#include "steps/technique_finders.h"

namespace velmora {

namespace {

// Depth-first over the combinations of a unit's usable positions in lexicographic order; a
// branch is dropped once its candidates number more than `size` or too few positions are left.
class NakedSubsetSearch {
  public:
    NakedSubsetSearch(const UnitScan& scan, int size) : scan_(scan), size_(size) {}

    // The first subset that removes something: its positions and its values.
    std::optional<std::pair<std::uint32_t, std::uint32_t>> first(std::uint32_t usable) {
        if (extend(usable, 0, 0, 0)) return std::pair{chosen_, union_};
        return std::nullopt;
    }

  private:
    bool extend(std::uint32_t rest, int picked, std::uint32_t chosen, std::uint32_t values) {
        for (std::uint32_t ps = rest; ps != 0; ps &= ps - 1) {
            if (std::popcount(ps) < size_ - picked) return false;
            const int p = std::countr_zero(ps);
            const std::uint32_t joined = values | scan_.candidates[static_cast<std::size_t>(p)];
            if (std::popcount(joined) > size_) continue;
            const std::uint32_t withP = chosen | (1u << p);
            if (picked + 1 < size_) {
                if (extend(ps & (ps - 1), picked + 1, withP, joined)) return true;
            } else if (std::popcount(joined) == size_ && removesSomething(withP, joined)) {
                chosen_ = withP;
                union_ = joined;
                return true;
            }
        }
        return false;
    }

    bool removesSomething(std::uint32_t chosen, std::uint32_t values) const {
        for (std::uint32_t qs = scan_.open & ~chosen; qs != 0; qs &= qs - 1)
            if (scan_.candidates[static_cast<std::size_t>(std::countr_zero(qs))] & values)
                return true;
        return false;
    }

    const UnitScan& scan_;
    int size_;
    std::uint32_t chosen_ = 0;
    std::uint32_t union_ = 0;
};

}  // namespace

std::optional<Step> findNakedSubset(const FinderView& view, int size) {
    for (const UnitScan& scan : view.scans) {
        if (std::popcount(scan.open) <= size) continue;
        std::uint32_t usable = 0;
        for (std::uint32_t ps = scan.open; ps != 0; ps &= ps - 1) {
            const int p = std::countr_zero(ps);
            const int count = std::popcount(scan.candidates[static_cast<std::size_t>(p)]);
            if (count >= 1 && count <= size) usable |= 1u << p;
        }
        const auto found = NakedSubsetSearch(scan, size).first(usable);
        if (!found) continue;
        const auto [positions, values] = *found;
        Step step;
        step.technique = nakedSubsetTechnique(size);
        step.units = {scan.ref};
        step.cells = cellsAt(scan, positions);
        step.values = values;
        step.eliminations = eliminationsIn(scan, scan.open & ~positions, values);
        return step;
    }
    return std::nullopt;
}

}  // namespace velmora
