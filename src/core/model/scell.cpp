#include "model/scell.h"

#include <span>

#include "model/cell_history.h"
#include "model/puzzle_control.h"
#include "model/scells.h"
#include "model/slist.h"

namespace velmora {

void PossOrder::listInit(int n, Random& random) {
    nList = n;
    for (int p = 0; p < n; ++p)
        entries[static_cast<std::size_t>(p)] = static_cast<std::int8_t>(p);
    shuffleValues(std::span<std::int8_t>(entries.data(), static_cast<std::size_t>(n)), random);
}

int scell::dim() const {
    return meGrid->dim();
}

void scell::init() {
    bPoss = 0;
    Invalid = Entered = Sure = Original = false;
    Trying = 0;
    countPossibilities = 0;
    sPossOrder = PossOrder{};
}

void scell::Clear() {
    Sure = Entered = Original = false;
    Trying = 0;
    bPoss = 0;
    countPossibilities = 0;
}

void scell::sCopy(scell& s) const {
    s = *this;
}

int scell::putSure(int ielement) {
    Sure = true;
    Trying = static_cast<std::int16_t>(ielement);
    clearallPossibilities();
    return ielement;
}

int scell::putOriginal(int ielement) {
    putSure(ielement);
    Original = true;
    Entered = false;
    return ielement;
}

int scell::putEntered(int ielement) {
    putSure(ielement);
    Entered = true;
    Original = false;
    return ielement;
}

void scell::putInvalid() {
    Invalid = true;
    meGrid->Invalid = true;
}

void scell::putPossibility(int iposs) {
    if (!getPossibility(iposs)) {
        bPoss |= candidateBit(iposs);
        ++countPossibilities;
    }
}

int scell::clearPossibility(int ipx) {
    if (!getPossibility(ipx)) return 0;
    bPoss &= ~candidateBit(ipx);
    --countPossibilities;
    return 1;
}

int scell::recountPossibilities() {
    if (Sure) {
        countPossibilities = 0;
        return 0;
    }
    countPossibilities = static_cast<std::int16_t>(bitCount(bPoss & allCandidates(dim())));
    return countPossibilities;
}

int scell::nextPoss() const {
    const std::uint32_t present = bPoss & allCandidates(dim());
    return present == 0 ? -1 : static_cast<int>(std::bit_width(present)) - 1;
}

int scell::updateSure() {
    const int found = recountPossibilities();
    if (found == 1) putSure(nextPoss() + 1);
    return found;
}

int scell::unsetPossibilities(const scell& s) {
    const std::uint32_t after = bPoss & ~s.bPoss;
    if (after == bPoss) return 0;
    const int before = countPossibilities;
    bPoss = after;
    return before - recountPossibilities();
}

int scell::boxIndex() const {
    const PuzzleControl& pc = *meGrid->pControl;
    return (meRow / pc.nRows) * pc.nColsofBoxes + (meCol / pc.nCols);
}

bool scell::evenSquare() const {
    const PuzzleControl& pc = *meGrid->pControl;
    if (pc.nColsofBoxes % 2 == 0) return (boxNumber & 1) == ((meRow / pc.nRows) & 1);
    return boxNumber % 2 == 0;
}

void scell::scPush() {
    meGrid->pControl->fControl->addstack(*this);
}

std::string scell::unmask() const {
    const PuzzleControl& pc = *meGrid->pControl;
    std::string text;
    for (int i = 0; i < dim(); ++i) {
        if (getPossibility(i)) {
            text += pc.elementChar(i + 1);
            text += ' ';
        }
    }
    return text;
}

}  // namespace velmora
