// Generating one puzzle, as the Generate command does, for every box shape at difficulties 0, 50
// and 100. Besides the mean, the counter median_ms gives the median CPU time of one puzzle.
#include <benchmark/benchmark.h>
#include <time.h>

#include <algorithm>
#include <string>
#include <vector>

#include "commands/commands.h"
#include "commands/workbench.h"
#include "model/quiet_ports.h"
#include "model/size_options.h"

namespace {

double cpuSeconds() {
    timespec t{};
    clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &t);
    return static_cast<double>(t.tv_sec) + static_cast<double>(t.tv_nsec) * 1e-9;
}

void generate(benchmark::State& state) {
    velmora::FixedSettings settings;
    settings.sizeOption = static_cast<int>(state.range(0));
    settings.difficultyValue = static_cast<int>(state.range(1));
    velmora::Ports ports;
    ports.settings = &settings;
    velmora::Workbench wb(ports, 20240611);
    wb.newPuzzle();
    std::vector<double> times;
    int givens = 0;
    for (auto _ : state) {
        const double start = cpuSeconds();
        velmora::cbGenerate_Click(wb);
        times.push_back(cpuSeconds() - start);
        for (int b = 0; b < wb.theCells().cellCount(); ++b)
            givens += wb.theCells().getcellBigindex(b).Original ? 1 : 0;
    }
    std::sort(times.begin(), times.end());
    const std::size_t mid = times.size() / 2;
    const double median = times.size() % 2 != 0 ? times[mid] : (times[mid - 1] + times[mid]) / 2;
    state.counters["median_ms"] = median * 1e3;
    state.counters["givens"] =
        static_cast<double>(givens) / static_cast<double>(std::max<std::size_t>(times.size(), 1));
    const auto& shape = velmora::kSizeOptions[static_cast<std::size_t>(state.range(0))];
    state.SetLabel(std::to_string(shape.nRows) + "x" + std::to_string(shape.nCols) + " d" +
                   std::to_string(state.range(1)));
}

void shapesAndDifficulties(benchmark::internal::Benchmark* b) {
    // Smallest grids first, as the targets are listed.
    for (const int option : {2, 3, 5, 0, 6, 4, 8, 7, 1, 9})
        for (const int difficulty : {0, 50, 100})
            b->Args({option, difficulty});
}

BENCHMARK(generate)
    ->Apply(shapesAndDifficulties)
    ->ArgNames({"option", "difficulty"})
    ->Unit(benchmark::kMillisecond)
    ->MinTime(2.0);

}  // namespace
