// Counts the solutions of every puzzle on standard input to 2 and prints how many puzzles have
// none, one and several: the exact solver's side of compare_qqwing.sh.
//
//   exact_count [RxC] < puzzles
//
// One puzzle per line, '.' or '0' for an empty cell, anything after the first blank ignored;
// blank lines and lines starting with '#' are skipped. The box defaults to 3x3.
#include <array>
#include <cstdio>
#include <string>
#include <string_view>
#include <vector>

#include "exact/exact_solver.h"
#include "model/size_options.h"

int main(int argc, char** argv) {
    velmora::BoxShape shape{3, 3};
    if (argc > 1 && std::sscanf(argv[1], "%dx%d", &shape.rows, &shape.cols) != 2) return 2;
    velmora::ExactSolver solver(shape);
    std::array<int, 256> valueOf{};  // 0 for '.' and anything not an element of the shape
    for (int v = 1; v <= shape.n(); ++v) {
        valueOf[static_cast<unsigned char>(velmora::kDefaultElements[v - 1])] = v;
    }
    const auto cells = static_cast<std::size_t>(shape.cellCount());
    // All of standard input at once: reading line by line through iostreams would cost a good part
    // of a count.
    std::string input;
    std::array<char, 1 << 16> chunk;
    for (std::size_t got; (got = std::fread(chunk.data(), 1, chunk.size(), stdin)) > 0;) {
        input.append(chunk.data(), got);
    }
    std::vector<int> givens(cells);
    std::size_t counts[3] = {0, 0, 0};
    for (std::size_t start = 0; start < input.size();) {
        std::size_t end = input.find('\n', start);
        if (end == std::string::npos) end = input.size();
        const std::string_view line(input.data() + start, end - start);
        start = end + 1;
        if (line.empty() || line[0] == '#') continue;
        if (line.size() < cells) {
            std::fprintf(stderr, "short line: %.*s\n", static_cast<int>(line.size()), line.data());
            return 1;
        }
        for (std::size_t at = 0; at < cells; ++at) {
            givens[at] = valueOf[static_cast<unsigned char>(line[at])];
        }
        ++counts[solver.count(givens, 2).solutions];
    }
    std::printf("%zu puzzles: %zu without a solution, %zu unique, %zu with several\n",
                counts[0] + counts[1] + counts[2], counts[0], counts[1], counts[2]);
    return 0;
}
