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

// One puzzle per iteration, cycling through the file; median_ms is the median CPU time of one
// count, slowest_ms the slowest.
void countEach(benchmark::State& state, const char* name, BoxShape shape) {
    const auto samples = samplesOf(benchFile(name));
    if (samples.empty()) {
        state.SkipWithError("no puzzles");
        return;
    }
    velmora::ExactSolver solver(shape);
    std::vector<double> times;
    std::size_t next = 0;
    for (auto _ : state) {
        const double start = cpuSeconds();
        benchmark::DoNotOptimize(solver.count(samples[next].puzzle, 2));
        times.push_back(cpuSeconds() - start);
        next = (next + 1) % samples.size();
    }
    state.SetItemsProcessed(state.iterations());
    state.counters["slowest_ms"] = *std::max_element(times.begin(), times.end()) * 1e3;
    state.counters["median_ms"] = medianOf(std::move(times)) * 1e3;
}

BENCHMARK_CAPTURE(countFile, hard_3x3, "hard-3x3.txt", BoxShape{3, 3})
    ->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(countEach, unique_4x4, "unique-4x4.txt", BoxShape{4, 4})
    ->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(countEach, unique_3x6, "unique-3x6.txt", BoxShape{3, 6})
    ->Unit(benchmark::kMillisecond);

}  // namespace
