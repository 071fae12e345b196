#include "display/candidate_spots.h"

#include <algorithm>

namespace velmora {

CandidateSpot candidateSpot(int k, BoxShape shape) {
    const int rows = std::max(shape.rows, 1);
    const int cols = std::max(shape.cols, 1);
    CandidateSpot spot;
    spot.row = k / cols;
    spot.col = k % cols;
    spot.width = 1.0 / cols;
    spot.height = 1.0 / rows;
    spot.left = spot.col * spot.width;
    spot.top = spot.row * spot.height;
    return spot;
}

}  // namespace velmora
