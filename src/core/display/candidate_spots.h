// Where each candidate sits in its cell: a small grid of the box's shape, R rows of C places for
// boxes of R rows and C columns, filled row by row, so a candidate is always in the same spot,
// on screen and on paper, whichever other candidates the cell holds.
#pragma once

#include "model/box_shape.h"

namespace velmora {

// One place of the small grid, as fractions of the cell's inner area.
struct CandidateSpot {
    int row = 0;  // of the small grid, from 0
    int col = 0;
    double left = 0;
    double top = 0;
    double width = 0;
    double height = 0;

    bool operator==(const CandidateSpot&) const = default;
};

// The place of candidate k (0 for element 1) in a cell of a puzzle with boxes of `shape`.
CandidateSpot candidateSpot(int k, BoxShape shape);

}  // namespace velmora
