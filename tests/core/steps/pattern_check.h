// An independent check that a step's pattern holds.
#pragma once

#include <vector>

#include "steps/candidate_grid.h"
#include "steps/step.h"

namespace velmora::test {

// Whether `step` is what its technique says on `grid`, judged cell by cell from row, column and
// box arithmetic rather than the finder's unit scans.
bool patternHolds(const CandidateGrid& grid, const Step& step);

}  // namespace velmora::test
