// A cell order list: a shuffled permutation of 0..nList-1 used as a visiting order, which a
// grid's solver order sorts by candidate count (fewest first, ties in shuffled order).
#pragma once

#include <cstdint>
#include <span>
#include <utility>
#include <vector>

#include "model/random.h"

namespace velmora {

class scells;

// Fisher-Yates from the last position down to the first, drawing floor(r * (i + 1)).
template <typename T>
void shuffleValues(std::span<T> values, Random& random) {
    for (int i = static_cast<int>(values.size()) - 1; i >= 0; --i) {
        const int j = random.below(i + 1);
        std::swap(values[static_cast<std::size_t>(j)], values[static_cast<std::size_t>(i)]);
    }
}

class slist {
  public:
    int nList = 0;
    scells* meGrid = nullptr;  // only for sorting

    void listInit(int sz, scells* scs, Random& random);
    void listRandomize(Random& random);
    // Sorts by the candidate count of the cell each entry names (0 for a Sure cell).
    void OptimizeSort();
    int ListGetValue(int ip) const { return entries_[static_cast<std::size_t>(ip)]; }
    void ListPutValue(int ip, int value) {
        entries_[static_cast<std::size_t>(ip)] = static_cast<std::int16_t>(value);
    }
    void swapvalue(int ip, int ix) {
        std::swap(entries_[static_cast<std::size_t>(ip)], entries_[static_cast<std::size_t>(ix)]);
    }
    void clear() {
        entries_.clear();
        nList = 0;
    }

  private:
    void quickSort(int lo, int hi, const std::vector<int>& keyOfCell);

    std::vector<std::int16_t> entries_;
};

// The nearest integer to (a + b) / 2, a half going to the even neighbour.
int meanRoundedToEven(int a, int b);

}  // namespace velmora
