#include "model/slist.h"

#include <algorithm>

#include "model/scells.h"
#include "model/size_options.h"

namespace velmora {

void slist::listInit(int sz, scells* scs, Random& random) {
    entries_.resize(static_cast<std::size_t>(sz));
    nList = sz;
    listRandomize(random);
    meGrid = scs;
}

void slist::listRandomize(Random& random) {
    for (int p = 0; p < nList; ++p)
        entries_[static_cast<std::size_t>(p)] = static_cast<std::int16_t>(p);
    shuffleValues(std::span<std::int16_t>(entries_), random);
}

int meanRoundedToEven(int a, int b) {
    const int sum = a + b;
    if (sum % 2 == 0) return sum / 2;
    const int down = (sum - 1) / 2;  // sum is odd and keys are never negative
    return down % 2 == 0 ? down : down + 1;
}

namespace {

// Where the sort takes each entry from when all keys are equal, for a list of n entries. Fresh
// grids, every clone among them, sort with all keys equal, so the moves are worked out once.
const std::vector<std::int16_t>* equalKeyMoves(int n) {
    static const auto table = [] {
        std::array<std::vector<std::int16_t>, slist::kMaxCells + 1> moves;
        for (const SizeOption& o : kSizeOptions) {
            const int cells = o.nRows * o.nCols * o.nRows * o.nCols;
            slist order;
            order.listIdentity(cells);
            order.reverseHalves(0, cells - 1);
            auto& m = moves[static_cast<std::size_t>(cells)];
            for (int p = 0; p < cells; ++p)
                m.push_back(static_cast<std::int16_t>(order.ListGetValue(p)));
        }
        return moves;
    }();
    if (n < 0 || n > slist::kMaxCells || table[static_cast<std::size_t>(n)].empty()) return nullptr;
    return &table[static_cast<std::size_t>(n)];
}

}  // namespace

void slist::listIdentity(int sz) {
    entries_.resize(static_cast<std::size_t>(sz));
    nList = sz;
    for (int p = 0; p < nList; ++p)
        entries_[static_cast<std::size_t>(p)] = static_cast<std::int16_t>(p);
}

void slist::OptimizeSort() {
    if (nList <= 0 || meGrid == nullptr || nList > kMaxCells) return;
    // Keys are read once, next to their entries: sorting only moves entries, it changes no cell.
    Keyed keyed;
    bool allEqual = true;
    const int first = meGrid->getcellBigindex(entries_[0]).countPossibilities;
    for (int p = 0; p < nList; ++p) {
        const std::int16_t value = entries_[static_cast<std::size_t>(p)];
        const int key = meGrid->getcellBigindex(value).countPossibilities;
        keyed.keys[static_cast<std::size_t>(p)] = key;
        keyed.values[static_cast<std::size_t>(p)] = value;
        allEqual = allEqual && key == first;
    }
    if (allEqual) {
        if (const std::vector<std::int16_t>* moves = equalKeyMoves(nList)) {
            for (int p = 0; p < nList; ++p)
                entries_[static_cast<std::size_t>(p)] =
                    keyed.values[static_cast<std::size_t>((*moves)[static_cast<std::size_t>(p)])];
            return;
        }
    }
    quickSort(0, nList - 1, keyed);
    std::copy_n(keyed.values.begin(), nList, entries_.begin());
}

void slist::quickSort(int lo, int hi, Keyed& keyed) {
    auto key = [&](int p) { return keyed.keys[static_cast<std::size_t>(p)]; };
    int i = lo;
    int j = hi;
    const int pivot = meanRoundedToEven(key(lo), key(hi));
    do {
        while (i < hi && key(i) < pivot)
            ++i;
        while (j > lo && key(j) > pivot)
            --j;
        if (i > j) break;
        std::swap(keyed.keys[static_cast<std::size_t>(i)], keyed.keys[static_cast<std::size_t>(j)]);
        std::swap(keyed.values[static_cast<std::size_t>(i)],
                  keyed.values[static_cast<std::size_t>(j)]);
        ++i;
        --j;
    } while (i <= j);
    if (lo < j) quickSort(lo, j, keyed);
    if (i < hi) quickSort(i, hi, keyed);
}

// What quickSort does when every key is the same: each partition swaps its range end for end
// and recurses on the two halves left of and right of the middle.
void slist::reverseHalves(int lo, int hi) {
    int i = lo;
    int j = hi;
    do {
        swapvalue(i, j);
        ++i;
        --j;
    } while (i <= j);
    if (lo < j) reverseHalves(lo, j);
    if (i < hi) reverseHalves(i, hi);
}

}  // namespace velmora
