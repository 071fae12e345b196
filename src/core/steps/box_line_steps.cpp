// The box-line rule ("Grabs"), from the box to the line only.
#include <bit>

#include "steps/technique_finders.h"

namespace velmora {

namespace {

// The positions of a box that lie in its row offset `dr` (or column offset `dc`).
std::uint32_t boxRowMask(BoxShape shape, int dr) {
    return ((1u << shape.cols) - 1u) << (dr * shape.cols);
}
std::uint32_t boxColumnMask(BoxShape shape, int dc) {
    std::uint32_t mask = 0;
    for (int dr = 0; dr < shape.rows; ++dr)
        mask |= 1u << (dr * shape.cols + dc);
    return mask;
}

// The line's positions that lie outside the box starting at position `start` of the line.
std::uint32_t outsideBox(int start, int width, int n) {
    return allValues(n) & ~(((1u << width) - 1u) << start);
}

}  // namespace

std::optional<Step> findBoxLine(const FinderView& view) {
    const BoxShape shape = view.shape;
    const int stacks = view.n / shape.cols;
    for (int box = 0; box < view.n; ++box) {
        const UnitScan& scan = view.unit(kBox, box);
        const int top = (box / stacks) * shape.rows;
        const int left = (box % stacks) * shape.cols;
        for (int v = 0; v < view.n; ++v) {
            const std::uint32_t places = scan.places[static_cast<std::size_t>(v)];
            if (places == 0) continue;
            // The row case, then the column case.
            for (const UnitType line : {kRow, kColumn}) {
                const int offsets = line == kRow ? shape.rows : shape.cols;
                for (int d = 0; d < offsets; ++d) {
                    const std::uint32_t inLine =
                        line == kRow ? boxRowMask(shape, d) : boxColumnMask(shape, d);
                    if ((places & ~inLine) != 0) continue;
                    const UnitRef lineRef{line, (line == kRow ? top : left) + d};
                    const std::uint32_t targets = line == kRow
                                                      ? outsideBox(left, shape.cols, view.n)
                                                      : outsideBox(top, shape.rows, view.n);
                    std::vector<CellValue> gone =
                        eliminationsIn(view.unit(line, lineRef.index), targets, valueBit(v + 1));
                    if (gone.empty()) break;
                    Step step;
                    step.technique = Technique::BoxLine;
                    step.units = {scan.ref, lineRef};
                    for (std::uint32_t ps = places; ps != 0; ps &= ps - 1)
                        step.cells.push_back(
                            scan.cells[static_cast<std::size_t>(std::countr_zero(ps))]);
                    step.values = valueBit(v + 1);
                    step.eliminations = std::move(gone);
                    return step;
                }
            }
        }
    }
    return std::nullopt;
}

}  // namespace velmora
