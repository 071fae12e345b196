// The solve command line over the files of 9x9 puzzles: logic only, and with brute force.
#include <benchmark/benchmark.h>

#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include "cli.h"

namespace {

// The puzzle field of every line of a sample file; comments and blank lines are left out.
std::string puzzlesOf(const std::string& fileName, int& count) {
    std::ifstream in(std::string(VELMORA_BENCH_DATA) + "/" + fileName);
    std::string text;
    std::string line;
    count = 0;
    while (std::getline(in, line)) {
        if (line.empty() || line[0] == '#') continue;
        text += line.substr(0, line.find(' '));
        text += '\n';
        ++count;
    }
    return text;
}

void solve(benchmark::State& state, const std::string& fileName, bool bruteForce) {
    int count = 0;
    const std::string puzzles = puzzlesOf(fileName, count);
    if (count == 0) {
        state.SkipWithError(("no puzzles in " + fileName).c_str());
        return;
    }
    std::vector<std::string> args{"solve", "--seed", "7"};
    if (bruteForce) args.emplace_back("--brute-force");
    std::ostringstream err;
    for (auto _ : state) {
        std::istringstream in(puzzles);
        std::ostringstream out;
        benchmark::DoNotOptimize(velmora::cli::runCli(args, in, out, err));
    }
    state.SetItemsProcessed(static_cast<std::int64_t>(state.iterations()) * count);
}

BENCHMARK_CAPTURE(solve, singles_logic, "singles-3x3.txt", false);
BENCHMARK_CAPTURE(solve, logic_logic, "logic-3x3.txt", false);
BENCHMARK_CAPTURE(solve, generated_logic, "generated-3x3.txt", false);
BENCHMARK_CAPTURE(solve, guessing_logic, "guessing-3x3.txt", false);
BENCHMARK_CAPTURE(solve, singles_brute, "singles-3x3.txt", true);
BENCHMARK_CAPTURE(solve, logic_brute, "logic-3x3.txt", true);
BENCHMARK_CAPTURE(solve, generated_brute, "generated-3x3.txt", true);
BENCHMARK_CAPTURE(solve, guessing_brute, "guessing-3x3.txt", true);

}  // namespace
