#include "model/slist.h"

#include "model/scells.h"

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

void slist::OptimizeSort() {
    if (nList <= 0 || meGrid == nullptr) return;
    // Keys are read once: sorting only moves entries, it changes no cell.
    std::vector<int> keyOfCell(static_cast<std::size_t>(meGrid->cellCount()));
    for (int b = 0; b < meGrid->cellCount(); ++b)
        keyOfCell[static_cast<std::size_t>(b)] = meGrid->getcellBigindex(b).countPossibilities;
    quickSort(0, nList - 1, keyOfCell);
}

void slist::quickSort(int lo, int hi, const std::vector<int>& keyOfCell) {
    auto key = [&](int p) {
        return keyOfCell[static_cast<std::size_t>(entries_[static_cast<std::size_t>(p)])];
    };
    int i = lo;
    int j = hi;
    const int pivot = meanRoundedToEven(key(lo), key(hi));
    do {
        while (i < hi && key(i) < pivot)
            ++i;
        while (j > lo && key(j) > pivot)
            --j;
        if (i > j) break;
        swapvalue(i, j);
        ++i;
        --j;
    } while (i <= j);
    if (lo < j) quickSort(lo, j, keyOfCell);
    if (i < hi) quickSort(i, hi, keyOfCell);
}

}  // namespace velmora
