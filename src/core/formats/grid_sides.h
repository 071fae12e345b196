// Which grid sides and box shapes exist, and how a puzzle's box shape is settled from what the
// text and the caller say.
#pragma once

#include <cstddef>
#include <optional>

#include "model/box_shape.h"

namespace velmora {

// 4, 6, 8, 9, 10, 12, 15, 16 or 18: the side of one of the program's box shapes.
bool isGridSide(int n);

// The side n with n*n == count (a one-line puzzle), or 0.
int sideOfCellCount(std::size_t count);
// The side n with n*n*n == count (a candidate line), or 0.
int sideOfCandidateCount(std::size_t count);

// True when boxes `width` cells wide (or `height` high) make one of the shapes of side n.
bool isBoxWidth(int n, int width);
bool isBoxHeight(int n, int height);

// What a grid's borders, blank groups or band breaks say: 0 where they say nothing.
struct BorderEvidence {
    int boxWidth = 0;
    int boxHeight = 0;
};

// The box shape of a side-n puzzle: the only one for n, else (n = 12) the one the borders say,
// else the caller's box when its side is n. None when n = 12 and nothing tells.
std::optional<BoxShape> resolveShape(int n, BorderEvidence borders, std::optional<BoxShape> caller);

}  // namespace velmora
