// The depth-first search of ExactSolver for the 9x9 grid alone, laid out by bands so that one
// machine word holds all a value can still do in three rows.
//
// A level of the search stack holds, for each value v and band b (three rows), a 27-bit word at
// [4 * v + b]: bit (colInBox * 9 + rowInBand * 3 + box) set where v may still go. With that order
// the nine row-box meetings (mini-rows) of a band come out of one word with two shifts, and a
// value's row of the band is one mask. Words 36 to 38 hold the placed cells of each band.
#pragma once

#include <cstddef>
#include <cstdint>
#include <span>

#include "exact/exact_solver.h"

namespace velmora::exact_detail {

class BandSearch {
  public:
    static constexpr std::size_t kStride = 40;
    static constexpr std::size_t kLevels = 82;

    // `stack` holds kLevels * kStride words, `branches` 3 * kLevels bytes.
    BandSearch(std::uint32_t* stack, std::uint8_t* branches) : stack_(stack), branches_(branches) {}

    // Places the givens into level 0; false when two equal givens share a row, a column or a box.
    bool load(std::span<const int> givens);

    // Counts from the loaded givens on; see ExactSolver::count and Search::run.
    void run(int limit, std::int64_t budget, SolutionCount& result, int tallyCell = 0,
             int* tally = nullptr);

  private:
    std::uint32_t* at(int level) const {
        return stack_ + static_cast<std::size_t>(level) * kStride;
    }

    std::uint32_t* stack_;
    std::uint8_t* branches_;
};

}  // namespace velmora::exact_detail
