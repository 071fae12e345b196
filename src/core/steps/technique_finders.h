// One finder per technique. Each returns the first step of its technique in its scan order that
// places a value or removes at least one candidate, or nothing.
#pragma once

#include <optional>

#include "steps/finder_view.h"
#include "steps/step.h"

namespace velmora {

// The first open cell, by bigindex, with exactly one candidate.
std::optional<Step> findNakedSingle(const FinderView& view);

// Units in the finders' order (boxes, rows, columns), values ascending: the first value with
// exactly one place in its unit.
std::optional<Step> findHiddenSingle(const FinderView& view);

// Boxes in order, values ascending, the row case before the column case: a value whose places in
// the box all lie in one row (column) leaves the rest of that row (column).
std::optional<Step> findBoxLine(const FinderView& view);

// Units in the finders' order; within a unit the first `size` open cells, in lexicographic order
// of their positions, whose candidates together number exactly `size`.
std::optional<Step> findNakedSubset(const FinderView& view, int size);

// Units in the finders' order, value pairs (a, b) ascending: a and b each with exactly the same
// two places, and some other candidate in those two cells.
std::optional<Step> findHiddenPair(const FinderView& view);

}  // namespace velmora
