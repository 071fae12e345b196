// The elimination counters of the last candidate recomputation, as the statistics panel shows
// them.
#pragma once

namespace velmora {

class Workbench;

struct EliminationCounts {
    int singles = 0;
    int pairs = 0;
    int triplets = 0;
    int quads = 0;
    int more = 0;  // naked subsets of five cells and more, added up
    int grabs = 0;
    int hiddenPairs = 0;

    bool operator==(const EliminationCounts&) const = default;
};

EliminationCounts eliminationCounts(Workbench& wb);

}  // namespace velmora
