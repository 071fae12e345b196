// A statistics panel stand-in: it remembers the counts it was shown.
#pragma once

#include "display/statistics_view.h"

namespace velmora::test {

class FakeStatistics : public StatisticsView {
  public:
    bool countsShown() const override { return shown; }
    void showCounts(const EliminationCounts& c) override {
        counts = c;
        ++writes;
    }

    bool shown = false;
    EliminationCounts counts;
    int writes = 0;
};

}  // namespace velmora::test
