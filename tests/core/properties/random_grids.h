// Random grids for the property tests: seeded, so every failure replays, and built with the
// program's own guessing solver, whose solutions are checked independently.
#pragma once

#include <cstdint>
#include <ostream>
#include <random>
#include <string>
#include <vector>

#include "model/scells.h"
#include "support/puzzle_fixture.h"

namespace velmora::test {

struct BoxShape {
    int rows;
    int cols;
};

inline constexpr BoxShape kBoxShapes[] = {{3, 3}, {4, 4}, {2, 2}, {2, 3}, {3, 4},
                                          {2, 4}, {2, 5}, {3, 5}, {2, 6}, {3, 6}};

std::string shapeName(BoxShape shape);

// The property tests' random source: one seed per test and shape, printed on failure.
using Rng = std::mt19937_64;
int randomBelow(Rng& rng, int n);
bool randomChance(Rng& rng, double p);

// A random complete grid for the bench's shape: the guessing solver forced on an empty grid,
// values 1..N row by row. The bench's grid is rebuilt empty afterwards.
std::vector<int> randomSolution(Bench& bench);

// The grid as a puzzle string of element characters ('.' for open cells).
std::string valuesText(const std::vector<int>& values, int n);

// Everything a cell holds that saving, loading, undo and redo must keep.
struct CellRecord {
    int bigindex = 0;
    int Trying = 0;
    bool Sure = false;
    bool Original = false;
    bool Entered = false;
    std::uint32_t bPoss = 0;
    int countPossibilities = 0;

    bool operator==(const CellRecord&) const = default;
};
std::ostream& operator<<(std::ostream& out, const CellRecord& cell);

std::vector<CellRecord> recordCells(const scells& grid);

}  // namespace velmora::test
