// Writes minimal puzzles with exactly one solution, one per line ("puzzle solution", '.' empty),
// for the exact solver's benchmarks. Seeded: the same arguments give the same file.
//
//   make_hard_puzzles BOX COUNT SEED [--beyond-singles] [--budget GUESSES]
//
// BOX is RxC (e.g. 3x3). With --beyond-singles only puzzles that naked and hidden singles alone
// cannot finish are written. A removal whose check needs more than the guess budget is not made,
// so such a puzzle is only near-minimal; a comment line after it says so.
#include <bit>
#include <cstdint>
#include <cstdio>
#include <random>
#include <string>
#include <vector>

#include "exact/exact_solver.h"
#include "model/size_options.h"

namespace {

using velmora::BoxShape;
using velmora::ExactSolver;

int below(std::mt19937_64& rng, int bound) {
    return static_cast<int>(rng() % static_cast<std::uint64_t>(bound));
}

template <typename T>
void shuffle(std::vector<T>& items, std::mt19937_64& rng) {
    for (int i = static_cast<int>(items.size()) - 1; i > 0; --i) {
        std::swap(items[static_cast<std::size_t>(i)],
                  items[static_cast<std::size_t>(below(rng, i + 1))]);
    }
}

// A random solution grid: a few random givens completed by the solver, values then relabelled.
std::vector<int> randomGrid(ExactSolver& solver, std::mt19937_64& rng) {
    const BoxShape shape = solver.shape();
    const int n = shape.n();
    for (;;) {
        std::vector<int> seeds(static_cast<std::size_t>(shape.cellCount()), 0);
        for (int k = 0; k < n; ++k) {
            seeds[static_cast<std::size_t>(below(rng, shape.cellCount()))] = 1 + below(rng, n);
        }
        const auto found = solver.count(seeds, 1, 1000);
        if (found.solutions == 0) continue;
        std::vector<int> label(static_cast<std::size_t>(n));
        for (int v = 0; v < n; ++v)
            label[static_cast<std::size_t>(v)] = v + 1;
        shuffle(label, rng);
        std::vector<int> grid = found.firstSolution;
        for (int& v : grid)
            v = label[static_cast<std::size_t>(v - 1)];
        return grid;
    }
}

// True when naked and hidden singles alone fill every cell.
bool singlesFinish(std::vector<int> values, BoxShape shape) {
    const int n = shape.n();
    const velmora::UnitTable table(shape);
    const std::uint32_t all = (1u << n) - 1;
    auto freeAt = [&](int cell) {
        std::uint32_t used = 0;
        const int row = cell / n;
        const int col = cell % n;
        for (int type = velmora::kRow; type <= velmora::kBox; ++type) {
            const int unit = type == velmora::kRow      ? row
                             : type == velmora::kColumn ? col
                                                        : shape.boxOf(row, col);
            for (const auto other : table.unit(type, unit)) {
                const int v = values[static_cast<std::size_t>(other)];
                if (v != 0) used |= 1u << (v - 1);
            }
        }
        return all & ~used;
    };
    for (bool progress = true; progress;) {
        progress = false;
        for (int cell = 0; cell < shape.cellCount(); ++cell) {
            const std::uint32_t f = freeAt(cell);
            if (values[static_cast<std::size_t>(cell)] == 0 && std::popcount(f) == 1) {
                values[static_cast<std::size_t>(cell)] = std::countr_zero(f) + 1;
                progress = true;
            }
        }
        for (int type = velmora::kRow; type <= velmora::kBox; ++type) {
            for (int unit = 0; unit < n; ++unit) {
                for (int v = 1; v <= n; ++v) {
                    int places = 0;
                    int where = -1;
                    for (const auto cell : table.unit(type, unit)) {
                        if (values[static_cast<std::size_t>(cell)] == v) places = 2;
                        if (values[static_cast<std::size_t>(cell)] == 0 &&
                            (freeAt(cell) >> (v - 1) & 1u) != 0) {
                            ++places;
                            where = cell;
                        }
                    }
                    if (places == 1) {
                        values[static_cast<std::size_t>(where)] = v;
                        progress = true;
                    }
                }
            }
        }
    }
    for (const int v : values) {
        if (v == 0) return false;
    }
    return true;
}

std::string lineOf(const std::vector<int>& values) {
    std::string text;
    for (const int v : values)
        text += v == 0 ? '.' : velmora::kDefaultElements[v - 1];
    return text;
}

}  // namespace

int main(int argc, char** argv) {
    if (argc < 4) {
        std::fprintf(stderr, "usage: %s RxC COUNT SEED [--beyond-singles] [--budget G]\n", argv[0]);
        return 2;
    }
    BoxShape shape;
    if (std::sscanf(argv[1], "%dx%d", &shape.rows, &shape.cols) != 2) return 2;
    const int wanted = std::stoi(argv[2]);
    std::mt19937_64 rng(std::stoull(argv[3]));
    bool beyondSingles = false;
    std::int64_t budget = ExactSolver::kNoBudget;
    for (int a = 4; a < argc; ++a) {
        const std::string arg = argv[a];
        if (arg == "--beyond-singles") beyondSingles = true;
        if (arg == "--budget" && a + 1 < argc) budget = std::stoll(argv[++a]);
    }

    ExactSolver solver(shape);
    std::printf("# %d minimal puzzles with one solution, box %dx%d, seed %s%s\n", wanted,
                shape.rows, shape.cols, argv[3],
                beyondSingles ? ", none finished by naked and hidden singles alone" : "");
    std::vector<int> order(static_cast<std::size_t>(shape.cellCount()));
    for (int written = 0, tried = 0; written < wanted; ++tried) {
        const std::vector<int> solution = randomGrid(solver, rng);
        std::vector<int> puzzle = solution;
        for (int cell = 0; cell < shape.cellCount(); ++cell) {
            order[static_cast<std::size_t>(cell)] = cell;
        }
        shuffle(order, rng);
        int undecided = 0;
        for (const int cell : order) {
            const auto at = static_cast<std::size_t>(cell);
            puzzle[at] = 0;
            const auto found = solver.count(puzzle, 2, budget);
            if (found.budgetExhausted) ++undecided;
            if (found.solutions != 1 || !found.exact()) puzzle[at] = solution[at];
        }
        if (beyondSingles && singlesFinish(puzzle, shape)) continue;
        std::printf("%s %s\n", lineOf(puzzle).c_str(), lineOf(solution).c_str());
        if (undecided > 0) std::printf("# %d givens kept undecided within the budget\n", undecided);
        std::fflush(stdout);
        std::fprintf(stderr, "\r%d of %d (%d tried)", ++written, wanted, tried + 1);
    }
    std::fprintf(stderr, "\n");
    return 0;
}
