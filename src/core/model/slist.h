// A cell order list: a shuffled permutation of 0..nList-1 used as a visiting order, which a
// grid's solver order sorts by candidate count (fewest first, ties in shuffled order).
#pragma once

#include <array>
#include <cstdint>
#include <span>
#include <utility>
#include <vector>

#include "model/random.h"

namespace velmora {

class scells;

// Fisher-Yates from the last position down to the first, drawing floor(r * (i + 1)).
// The generator state is worked on in a local copy: byte-sized values may alias it, which would
// make every draw reload and store it.
template <typename T>
void shuffleValues(std::span<T> values, Random& random) {
    Random local = random;
    for (int i = static_cast<int>(values.size()) - 1; i >= 0; --i) {
        const int j = local.below(i + 1);
        std::swap(values[static_cast<std::size_t>(j)], values[static_cast<std::size_t>(i)]);
    }
    random = local;
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

    // The most cells a grid has: 18 x 18.
    static constexpr int kMaxCells = 18 * 18;

    // The entries 0..sz-1 in order, unshuffled.
    void listIdentity(int sz);
    // The moves quickSort makes when all keys are equal.
    void reverseHalves(int lo, int hi);

  private:
    struct Keyed {
        std::array<int, kMaxCells> keys;
        std::array<std::int16_t, kMaxCells> values;
    };
    void quickSort(int lo, int hi, Keyed& keyed);

    std::vector<std::int16_t> entries_;
};

// The nearest integer to (a + b) / 2, a half going to the even neighbour.
int meanRoundedToEven(int a, int b);

}  // namespace velmora
