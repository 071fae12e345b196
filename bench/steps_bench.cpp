// The explained path from the givens: the whole chain of steps for one puzzle, per shape.
#include <benchmark/benchmark.h>

#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include "steps/explained_path.h"
#include "steps/grid_text.h"

namespace {

using velmora::BoxShape;

struct Puzzle {
    BoxShape shape;
    std::vector<int> givens;
};

// The first field of every puzzle line, read as a grid of `shape`. Lines of bench/data files
// start with the shape ("4x4 puzzle"); `shape` then only picks which of them to take.
std::vector<Puzzle> readPuzzles(const std::string& path, BoxShape shape, bool shapeField) {
    std::ifstream in(path);
    std::vector<Puzzle> puzzles;
    std::string line;
    while (std::getline(in, line)) {
        if (line.empty() || line[0] == '#') continue;
        std::istringstream words(line);
        std::string first, text;
        words >> first;
        if (shapeField) {
            if (first != std::to_string(shape.rows) + "x" + std::to_string(shape.cols)) continue;
            words >> text;
        } else {
            text = first;
        }
        if (auto values = velmora::parseGrid(text, shape)) puzzles.push_back({shape, *values});
    }
    return puzzles;
}

// One path per iteration, going round the puzzles.
void explainPaths(benchmark::State& state, const std::vector<Puzzle>& puzzles) {
    if (puzzles.empty()) {
        state.SkipWithError("no puzzles");
        return;
    }
    std::size_t next = 0;
    std::int64_t steps = 0;
    for (auto _ : state) {
        const Puzzle& p = puzzles[next];
        next = (next + 1) % puzzles.size();
        const velmora::ExplainedPath path = velmora::explainGivens(p.shape, p.givens);
        steps += static_cast<std::int64_t>(path.steps.size());
        benchmark::DoNotOptimize(path.outcome);
    }
    state.counters["steps/path"] =
        static_cast<double>(steps) / static_cast<double>(state.iterations());
}

void samples(benchmark::State& state, const std::string& file, BoxShape shape) {
    explainPaths(state, readPuzzles(std::string(VELMORA_BENCH_DATA) + "/" + file, shape, false));
}

// The hardest grids found for the step finder, one benchmark per puzzle.
void hardest(benchmark::State& state, BoxShape shape) {
    const std::vector<Puzzle> all =
        readPuzzles(std::string(VELMORA_STEPS_BENCH_DATA) + "/steps-hard.txt", shape, true);
    const auto index = static_cast<std::size_t>(state.range(0));
    if (index >= all.size()) {
        state.SkipWithError("no such puzzle");
        return;
    }
    explainPaths(state, {all[index]});
}

BENCHMARK_CAPTURE(samples, singles_9x9, "singles-3x3.txt", BoxShape{3, 3})
    ->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(samples, logic_9x9, "logic-3x3.txt", BoxShape{3, 3})
    ->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(samples, generated_9x9, "generated-3x3.txt", BoxShape{3, 3})
    ->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(samples, guessing_9x9, "guessing-3x3.txt", BoxShape{3, 3})
    ->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(samples, singles_12x12, "singles-3x4.txt", BoxShape{3, 4})
    ->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(samples, singles_16x16, "singles-4x4.txt", BoxShape{4, 4})
    ->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(samples, singles_18x18, "singles-3x6.txt", BoxShape{3, 6})
    ->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(hardest, hard_9x9, BoxShape{3, 3})
    ->DenseRange(0, 2)
    ->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(hardest, hard_16x16, BoxShape{4, 4})
    ->DenseRange(0, 2)
    ->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(hardest, hard_18x18, BoxShape{3, 6})
    ->DenseRange(0, 2)
    ->Unit(benchmark::kMillisecond);

}  // namespace
