// The elimination counters of the last candidate recomputation, as the statistics panel shows
// them.
#pragma once

#include "model/cell_view.h"

namespace velmora {

class ModuleState;
class Statsblock;

EliminationCounts eliminationCounts(const ModuleState& module, const Statsblock& stats);

}  // namespace velmora
