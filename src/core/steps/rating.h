// A difficulty rating read off the explained path.
#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "steps/explained_path.h"

namespace velmora {

// easy: singles only; medium: box-line or naked pairs; hard: naked triples and larger, hidden
// pairs; beyond: the rules get stuck; invalid: the givens conflict or the puzzle breaks down.
enum class Level { Easy, Medium, Hard, Beyond, Invalid };

struct Rating {
    Level level = Level::Easy;
    int score = 0;
    std::optional<StepKind> hardest;  // for beyond the hardest used before getting stuck
    int steps = 0;
};

// The work a step of this kind counts for, growing in the finder's order: naked single 1,
// hidden single 2, box-line 4, naked pair 6, triple 9, quad 12, subset of K cells 12 + 2(K-4),
// hidden pair 24.
int stepWeight(StepKind kind);

// score = 100 * w(hardest) + round(81 * W / cells), W the sum of the path's step weights and
// cells = N*N, so the work counts as on a 9x9 grid and a 16x16 puzzle that needs the same
// techniques for the same share of its cells scores the same as a 9x9 one. Stuck paths take
// w = 30 for the hardest and add 4 to W for every cell left open. Invalid paths score 0.
Rating ratePath(const ExplainedPath& path);

std::string_view levelCode(Level level);

// LEVEL<TAB>SCORE<TAB>HARDEST<TAB>STEPS and a newline; HARDEST "-" when no step was needed.
std::string rateLine(const Rating& rating);

}  // namespace velmora
