// Counts the solutions of every puzzle on standard input to 2 and prints how many puzzles have
// none, one and several: the exact solver's side of compare_qqwing.sh.
//
//   exact_count [RxC] < puzzles
//
// One puzzle per line, '.' or '0' for an empty cell, anything after the first blank ignored;
// blank lines and lines starting with '#' are skipped. The box defaults to 3x3.
#include <array>
#include <cstdio>
#include <cstring>
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
    std::vector<int> givens(cells);
    std::size_t counts[3] = {0, 0, 0};
    // Counts one line; false for a line too short to hold a puzzle.
    auto countLine = [&](std::string_view line) {
        if (line.empty() || line[0] == '#') return true;
        if (line.size() < cells) {
            std::fprintf(stderr, "short line: %.*s\n", static_cast<int>(line.size()), line.data());
            return false;
        }
        for (std::size_t at = 0; at < cells; ++at) {
            givens[at] = valueOf[static_cast<unsigned char>(line[at])];
        }
        ++counts[solver.count(givens, 2).solutions];
        return true;
    };
    // Standard input in large blocks: reading line by line through iostreams would cost a good
    // part of a count. A line cut at the end of a block is moved to the front of the next.
    std::vector<char> block(1 << 20);
    std::size_t kept = 0;
    for (;;) {
        if (kept == block.size()) block.resize(2 * block.size());
        const std::size_t got = std::fread(block.data() + kept, 1, block.size() - kept, stdin);
        const std::string_view text(block.data(), kept + got);
        std::size_t start = 0;
        for (std::size_t end; (end = text.find('\n', start)) != std::string_view::npos;
             start = end + 1) {
            if (!countLine(text.substr(start, end - start))) return 1;
        }
        kept = text.size() - start;
        std::memmove(block.data(), block.data() + start, kept);
        if (got == 0) break;
    }
    if (kept > 0 && !countLine(std::string_view(block.data(), kept))) return 1;
    std::printf("%zu puzzles: %zu without a solution, %zu unique, %zu with several\n",
                counts[0] + counts[1] + counts[2], counts[0], counts[1], counts[2]);
    return 0;
}
