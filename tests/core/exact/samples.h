// Sample puzzles of every shape for the exact solver's tests, and an independent grid check.
#pragma once

#include <fstream>
#include <string>
#include <string_view>
#include <vector>

#include "model/box_shape.h"
#include "model/size_options.h"

namespace velmora::exact_test {

struct Sample {
    std::vector<int> puzzle;
    std::vector<int> solution;
};

inline std::vector<int> valuesOf(std::string_view text) {
    const std::string_view elements(kDefaultElements);
    std::vector<int> values;
    for (const char c : text) {
        const auto at = elements.find(c);
        values.push_back(at == std::string_view::npos ? 0 : static_cast<int>(at) + 1);
    }
    return values;
}

// The first `most` puzzles of a file of "puzzle solution" lines.
inline std::vector<Sample> samplesAt(const std::string& path, std::size_t most) {
    std::ifstream in(path);
    std::vector<Sample> found;
    std::string line;
    while (found.size() < most && std::getline(in, line)) {
        if (line.empty() || line[0] == '#') continue;
        const auto blank = line.find(' ');
        found.push_back({valuesOf(std::string_view(line).substr(0, blank)),
                         valuesOf(std::string_view(line).substr(blank + 1))});
    }
    return found;
}

// The first `most` puzzles of tests/data/<file>.
inline std::vector<Sample> samples(const std::string& file, std::size_t most = 3) {
    return samplesAt(std::string(VELMORA_TEST_DATA) + "/" + file, most);
}

// The first `most` puzzles of the benchmarks' bench/data/<file>.
inline std::vector<Sample> benchSamples(const std::string& file, std::size_t most) {
    return samplesAt(std::string(VELMORA_TEST_DATA) + "/../../bench/data/" + file, most);
}

inline std::string singlesFile(BoxShape shape) {
    return "singles-" + std::to_string(shape.rows) + "x" + std::to_string(shape.cols) + ".txt";
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

}  // namespace velmora::exact_test
