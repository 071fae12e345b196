// The statistics panel below the grid, as the grid control writes into it after a redraw.
#pragma once

#include "display/elimination_counts.h"

namespace velmora {

class StatisticsView {
  public:
    virtual ~StatisticsView() = default;
    // The statistics box (cbElimstats) is ticked.
    virtual bool countsShown() const = 0;
    virtual void showCounts(const EliminationCounts& counts) = 0;
};

}  // namespace velmora
