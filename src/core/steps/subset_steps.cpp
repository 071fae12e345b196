// Naked subsets of any size, and hidden pairs.
#include <bit>

#include "steps/technique_finders.h"

namespace velmora {

namespace {

// Depth-first over the combinations of a unit's usable positions in lexicographic order; a
// branch ends as soon as its candidates outnumber the cells it may still take.
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

std::vector<int> cellsAt(const UnitScan& scan, std::uint32_t positions) {
    std::vector<int> cells;
    for (std::uint32_t ps = positions; ps != 0; ps &= ps - 1)
        cells.push_back(scan.cells[static_cast<std::size_t>(std::countr_zero(ps))]);
    return cells;
}

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
                step.technique = Technique::hiddenPair;
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
