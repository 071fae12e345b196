#include "exact/exact_solver.h"

#include <algorithm>
#include <stdexcept>

#include "exact/band_search.h"
#include "exact/exact_search.h"

namespace velmora {

namespace {

using exact_detail::Search;

// Calls `f` with a Search of the shape's own compiled size.
template <typename F>
void withSearch(BoxShape shape, std::uint32_t* stack, std::uint8_t* branches, F&& f) {
    switch (shape.rows * 100 + shape.cols) {
        case 303:
            return f(exact_detail::BandSearch(stack, branches));
        case 404:
            return f(Search<4, 4>(stack, branches));
        case 202:
            return f(Search<2, 2>(stack, branches));
        case 203:
            return f(Search<2, 3>(stack, branches));
        case 304:
            return f(Search<3, 4>(stack, branches));
        case 204:
            return f(Search<2, 4>(stack, branches));
        case 205:
            return f(Search<2, 5>(stack, branches));
        case 305:
            return f(Search<3, 5>(stack, branches));
        case 206:
            return f(Search<2, 6>(stack, branches));
        case 306:
            return f(Search<3, 6>(stack, branches));
        default:
            throw std::invalid_argument("not one of the ten box shapes");
    }
}

}  // namespace

ExactSolver::ExactSolver(BoxShape shape) : shape_(shape) {
    if (std::find(kBoxShapes.begin(), kBoxShapes.end(), shape) == kBoxShapes.end()) {
        throw std::invalid_argument("not one of the ten box shapes");
    }
    units_ = UnitTable(shape);
    withSearch(shape, nullptr, nullptr, [this](auto search) {
        using S = decltype(search);
        stack_.resize(S::kLevels * S::kStride);
        branches_.resize(3 * S::kLevels);
    });
}

void ExactSolver::findConflicts(std::span<const int> givens, std::vector<int>& cells) const {
    const int n = shape_.n();
    for (int type = kRow; type <= kBox; ++type) {
        for (int unit = 0; unit < n; ++unit) {
            std::uint32_t seen = 0;
            std::uint32_t twice = 0;
            for (const std::int16_t cell : units_.unit(type, unit)) {
                const int v = givens[static_cast<std::size_t>(cell)];
                if (v == 0) continue;
                twice |= seen & (1u << (v - 1));
                seen |= 1u << (v - 1);
            }
            for (const std::int16_t cell : units_.unit(type, unit)) {
                const int v = givens[static_cast<std::size_t>(cell)];
                if (v != 0 && (twice >> (v - 1) & 1u) != 0) cells.push_back(cell);
            }
        }
    }
    std::sort(cells.begin(), cells.end());
    cells.erase(std::unique(cells.begin(), cells.end()), cells.end());
}

SolutionCount ExactSolver::count(std::span<const int> givens, int limit, std::int64_t guessBudget) {
    return run(givens, limit, guessBudget, 0, nullptr);
}

SolutionCount ExactSolver::countByValue(std::span<const int> givens, int cell, int limit,
                                        std::vector<int>& perValue) {
    if (cell < 0 || cell >= shape_.cellCount()) throw std::invalid_argument("no such cell");
    perValue.assign(static_cast<std::size_t>(shape_.n()), 0);
    return run(givens, limit, kNoBudget, cell, perValue.data());
}

SolutionCount ExactSolver::run(std::span<const int> givens, int limit, std::int64_t guessBudget,
                               int tallyCell, int* tally) {
    if (givens.size() != static_cast<std::size_t>(shape_.cellCount())) {
        throw std::invalid_argument("wrong number of cells");
    }
    if (limit < 1) throw std::invalid_argument("the limit must be at least 1");
    // One test for all cells: a negative value turns into a large unsigned one.
    unsigned largest = 0;
    for (const int v : givens)
        largest = std::max(largest, static_cast<unsigned>(v));
    if (largest > static_cast<unsigned>(shape_.n())) {
        throw std::invalid_argument("value outside 0..N");
    }
    SolutionCount result;
    withSearch(shape_, stack_.data(), branches_.data(), [&](auto search) {
        if (search.load(givens)) {
            search.run(limit, guessBudget, result, tallyCell, tally);
        } else {
            // Equal givens are told apart from givens that only leave some cell without a value.
            findConflicts(givens, result.conflictingGivens);
        }
    });
    return result;
}

}  // namespace velmora
