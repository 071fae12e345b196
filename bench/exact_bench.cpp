// The exact solver counting to 2 over the puzzle files of bench/data, and the typo search on
// puzzles of every shape with one given changed.
#include <benchmark/benchmark.h>
#include <time.h>

#include <algorithm>
#include <chrono>
#include <fstream>
#include <random>
#include <string>
#include <string_view>
#include <vector>

#include "exact/exact_solver.h"
#include "exact/puzzle_check.h"
#include "model/size_options.h"

namespace {

using velmora::BoxShape;

std::vector<int> valuesOf(std::string_view text) {
    std::vector<int> values;
    const std::string_view elements(velmora::kDefaultElements);
    for (const char c : text) {
        const auto at = elements.find(c);
        values.push_back(at == std::string_view::npos ? 0 : static_cast<int>(at) + 1);
    }
    return values;
}

// Puzzles and solutions of a file: one "puzzle solution" per line, '#' comments left out.
struct Sample {
    std::vector<int> puzzle;
    std::vector<int> solution;
};

std::vector<Sample> samplesOf(const std::string& path) {
    std::ifstream in(path);
    std::vector<Sample> samples;
    std::string line;
    while (std::getline(in, line)) {
        if (line.empty() || line[0] == '#') continue;
        const auto blank = line.find(' ');
        samples.push_back({valuesOf(std::string_view(line).substr(0, blank)),
                           valuesOf(std::string_view(line).substr(blank + 1))});
    }
    return samples;
}

std::string benchFile(const char* name) {
    return std::string(VELMORA_EXACT_BENCH_DATA) + "/" + name;
}

// Every puzzle of the file counted to 2 per iteration.
void countFile(benchmark::State& state, const char* name, BoxShape shape) {
    const auto samples = samplesOf(benchFile(name));
    if (samples.empty()) {
        state.SkipWithError("no puzzles");
        return;
    }
    velmora::ExactSolver solver(shape);
    for (auto _ : state) {
        for (const auto& s : samples)
            benchmark::DoNotOptimize(solver.count(s.puzzle, 2));
    }
    state.SetItemsProcessed(state.iterations() * static_cast<std::int64_t>(samples.size()));
}

double cpuSeconds() {
    timespec t{};
    clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &t);
    return static_cast<double>(t.tv_sec) + static_cast<double>(t.tv_nsec) * 1e-9;
}

double medianOf(std::vector<double> times) {
    if (times.empty()) return 0;
    std::sort(times.begin(), times.end());
    const std::size_t mid = times.size() / 2;
    return times.size() % 2 != 0 ? times[mid] : (times[mid - 1] + times[mid]) / 2;
}

// One puzzle of a file, the argument its number, counted to 2 per iteration; median_ms is the
// median CPU time of one count.
void countOne(benchmark::State& state, const char* name, BoxShape shape) {
    const auto samples = samplesOf(benchFile(name));
    const auto number = static_cast<std::size_t>(state.range(0));
    if (number >= samples.size()) {
        state.SkipWithError("no such puzzle");
        return;
    }
    velmora::ExactSolver solver(shape);
    std::vector<double> times;
    std::int64_t guesses = 0;
    for (auto _ : state) {
        const double start = cpuSeconds();
        guesses = solver.count(samples[number].puzzle, 2).guesses;
        times.push_back(cpuSeconds() - start);
    }
    state.counters["guesses"] = static_cast<double>(guesses);
    state.counters["median_ms"] = medianOf(std::move(times)) * 1e3;
}

BENCHMARK_CAPTURE(countFile, hard_3x3, "minimal-3x3.txt", BoxShape{3, 3})
    ->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(countOne, unique_4x4, "unique-4x4.txt", BoxShape{4, 4})
    ->DenseRange(0, 5)
    ->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(countOne, unique_3x6, "unique-3x6.txt", BoxShape{3, 6})
    ->DenseRange(0, 5)
    ->Unit(benchmark::kMillisecond);

// Puzzles of every shape with one given changed so that they have no solution: a few changes
// for each of the first five puzzles of the shape's file, cells and values drawn from a fixed
// seed.
std::vector<std::vector<int>> typoPuzzles(BoxShape shape) {
    const std::string name =
        shape == BoxShape{3, 3}
            ? "minimal-3x3.txt"
            : "unique-" + std::to_string(shape.rows) + "x" + std::to_string(shape.cols) + ".txt";
    auto samples = samplesOf(benchFile(name.c_str()));
    samples.resize(std::min<std::size_t>(samples.size(), 5));
    velmora::ExactSolver solver(shape);
    std::mt19937_64 rng(7);
    std::vector<std::vector<int>> typos;
    for (const auto& s : samples) {
        int made = 0;
        for (int attempt = 0; attempt < 500 && made < 3; ++attempt) {
            std::vector<int> typed = s.puzzle;
            const std::size_t cell = rng() % typed.size();
            if (typed[cell] == 0) continue;
            typed[cell] = 1 + static_cast<int>(rng() % static_cast<std::uint64_t>(shape.n()));
            if (typed[cell] == s.puzzle[cell] || solver.count(typed, 1).solutions != 0) continue;
            typos.push_back(std::move(typed));
            ++made;
        }
    }
    return typos;
}

// findTypos once per iteration, cycling through the shape's changed puzzles.
void typoSearch(benchmark::State& state) {
    const BoxShape shape = velmora::kBoxShapes[static_cast<std::size_t>(state.range(0))];
    const auto typos = typoPuzzles(shape);
    if (typos.empty()) {
        state.SkipWithError("no puzzles");
        return;
    }
    std::vector<double> times;
    std::size_t next = 0;
    std::int64_t suspects = 0;
    for (auto _ : state) {
        const double start = cpuSeconds();
        const auto report = velmora::findTypos(shape, typos[next]);
        times.push_back(cpuSeconds() - start);
        suspects += static_cast<std::int64_t>(report.suspects.size());
        next = (next + 1) % typos.size();
    }
    state.SetLabel(std::to_string(shape.rows) + "x" + std::to_string(shape.cols) + ", " +
                   std::to_string(typos.size()) + " puzzles");
    state.counters["suspects"] = static_cast<double>(suspects) / static_cast<double>(times.size());
    state.counters["slowest_ms"] = *std::max_element(times.begin(), times.end()) * 1e3;
    state.counters["median_ms"] = medianOf(std::move(times)) * 1e3;
}

// Smallest grids first.
BENCHMARK(typoSearch)
    ->ArgName("shape")
    ->Args({2})
    ->Args({3})
    ->Args({5})
    ->Args({0})
    ->Args({6})
    ->Args({4})
    ->Args({8})
    ->Args({7})
    ->Args({1})
    ->Args({9})
    ->MinTime(2.0)
    ->Unit(benchmark::kMillisecond);

}  // namespace
