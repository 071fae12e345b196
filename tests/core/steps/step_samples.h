// Sample puzzles for the step tests, and an independent check that a step's pattern holds.
#pragma once

#include <string>
#include <vector>

#include "steps/candidate_grid.h"
#include "steps/step.h"

namespace velmora::test {

struct SamplePuzzle {
    BoxShape shape;
    std::vector<int> givens;
    std::vector<int> solution;
};

// Every "puzzle solution" line of tests/data/`file`.
std::vector<SamplePuzzle> readSamples(const std::string& file, BoxShape shape);

// "singles-RxC.txt" for a shape.
std::string singlesFile(BoxShape shape);

// Whether `step` is what its technique says on `grid`, judged cell by cell from row, column and
// box arithmetic rather than the finder's unit scans.
bool patternHolds(const CandidateGrid& grid, const Step& step);

}  // namespace velmora::test
