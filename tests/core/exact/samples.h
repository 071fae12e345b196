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

// True when every unit holds 1..N once and every given is kept.
inline bool solves(const std::vector<int>& grid, const std::vector<int>& givens, BoxShape shape) {
    if (grid.size() != givens.size()) return false;
    const UnitTable table(shape);
    for (int type = kRow; type <= kBox; ++type) {
        for (int unit = 0; unit < shape.n(); ++unit) {
            std::vector<bool> seen(static_cast<std::size_t>(shape.n()) + 1);
            for (const auto cell : table.unit(type, unit)) {
                const int v = grid[static_cast<std::size_t>(cell)];
                if (v < 1 || v > shape.n() || seen[static_cast<std::size_t>(v)]) return false;
                seen[static_cast<std::size_t>(v)] = true;
            }
        }
    }
    for (std::size_t at = 0; at < grid.size(); ++at) {
        if (givens[at] != 0 && givens[at] != grid[at]) return false;
    }
    return true;
}

// The plain backtracking counter of tests/support.
inline int oracle(const std::vector<int>& givens, BoxShape shape, int limit) {
    return test::countSolutions(givens, shape.rows, shape.cols, limit);
}

}  // namespace velmora::exact_test
