// Sample puzzles of every shape for the exact solver's tests, and an independent grid check.
#pragma once

#include <string>
#include <vector>

#include "bench.h"
#include "model/box_shape.h"
#include "solution_count.h"

namespace velmora::exact_test {

struct Sample {
    std::vector<int> puzzle;
    std::vector<int> solution;
};

// The first `most` puzzles of tests/data/<file>.
inline std::vector<Sample> samples(const std::string& file, std::size_t most = 3) {
    std::vector<Sample> found;
    for (const test::SamplePuzzle& s : test::loadSamples(file))
        if (found.size() < most)
            found.push_back({test::valuesOf(s.puzzle), test::valuesOf(s.solution)});
    return found;
}

// The first `most` puzzles of the benchmarks' bench/data/<file>.
inline std::vector<Sample> benchSamples(const std::string& file, std::size_t most) {
    return samples("../../bench/data/" + file, most);
}

inline std::string singlesFile(BoxShape shape) {
    return "singles-" + test::shapeName(shape) + ".txt";
}

// The plain backtracking counter of tests/support.
inline int oracle(const std::vector<int>& givens, BoxShape shape, int limit) {
    return test::countSolutions(givens, shape.rows, shape.cols, limit);
}

// True when `grid` keeps every given and is a solution by the plain counter's reckoning.
inline bool solves(const std::vector<int>& grid, const std::vector<int>& givens, BoxShape shape) {
    for (std::size_t at = 0; at < givens.size(); ++at)
        if (givens[at] != 0 && givens[at] != grid.at(at)) return false;
    return test::isSolution(grid, shape.rows, shape.cols);
}

}  // namespace velmora::exact_test
