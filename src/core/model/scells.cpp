#include "model/scells.h"

#include "model/module_state.h"
#include "model/puzzle_control.h"

namespace velmora {

const std::int16_t* scells::unitOf(int unit, int unitType) const {
    return pControl->module->unitRow(unit, unitType);
}

int scells::initstartoff(PuzzleControl& pc) {
    if (pc.nRows * pc.nRowsofBoxes != pc.nCols * pc.nColsofBoxes) {
        pc.module->messages().information("invalid dimensions");
        return 0;
    }
    pControl = &pc;
    n_ = pc.nDim;
    SolvedStatus = 0;
    nClone = 0;
    Random& random = pc.module->random();
    cells_.assign(static_cast<std::size_t>(n_ * n_), scell{});
    for (int row = 0; row < n_; ++row) {
        for (int col = 0; col < n_; ++col) {
            scell& cell = getCell(row, col);
            cell.meGrid = this;
            cell.init();
            cell.meRow = static_cast<std::int16_t>(row);
            cell.meCol = static_cast<std::int16_t>(col);
            cell.boxNumber = static_cast<std::int16_t>(cell.boxIndex());
        }
    }
    sOrder.listInit(n_ * n_, this, random);
    setOrderIndexes();
    return n_;
}

void scells::ClearPencilMarks() {
    for (scell& cell : cells_)
        cell.clearallPossibilities();
}

scells& scells::sCopy(scells& s) const {
    s.nClone = static_cast<std::int16_t>(nClone + 1);
    s.SolvedStatus = SolvedStatus;
    s.pControl->nDim = static_cast<std::int16_t>(n_);
    for (std::size_t i = 0; i < cells_.size(); ++i) {
        const scell& from = cells_[i];
        scell& to = s.cells_[i];
        to.Original = from.Original;
        to.Sure = from.Sure;
        to.Trying = from.Trying;
        to.Entered = from.Entered;
        to.meRow = from.meRow;
        to.meCol = from.meCol;
        to.boxNumber = from.boxNumber;
        to.meGrid = &s;
    }
    return s;
}

void scells::cloneFrom(const scells& source) {
    pControl = source.pControl;
    n_ = source.n_;
    nClone = static_cast<std::int16_t>(source.nClone + 1);
    SolvedStatus = source.SolvedStatus;
    Invalid = false;
    cells_ = source.cells_;
    for (scell& cell : cells_) {
        cell.meGrid = this;
        cell.Invalid = false;
        cell.sPossOrder.nList = 0;
    }
    sOrder = source.sOrder;
    sOrder.meGrid = this;
}

int scells::countInUnit(int element, int unit, int unitType) const {
    const std::int16_t* members = unitOf(unit, unitType);
    int count = 0;
    for (int k = 0; k < n_; ++k) {
        const scell& cell = cells_[static_cast<std::size_t>(members[k])];
        if (cell.Sure && cell.Trying == element) ++count;
    }
    return count;
}

void scells::Validate() {
    Invalid = false;
    // Values held twice or more in each row, column and box, gathered once; a value outside
    // 1..N is counted cell by cell.
    std::array<std::uint32_t, kMaxDim> rowOnce{}, rowTwice{}, colOnce{}, colTwice{}, boxOnce{},
        boxTwice{};
    auto note = [](std::uint32_t& once, std::uint32_t& twice, std::uint32_t bit) {
        twice |= once & bit;
        once |= bit;
    };
    for (const scell& cell : cells_) {
        if (!cell.Sure || cell.Trying < 1 || cell.Trying > n_) continue;
        const std::uint32_t bit = candidateBit(cell.Trying - 1);
        const auto r = static_cast<std::size_t>(cell.meRow);
        const auto c = static_cast<std::size_t>(cell.meCol);
        const auto b = static_cast<std::size_t>(cell.boxNumber);
        note(rowOnce[r], rowTwice[r], bit);
        note(colOnce[c], colTwice[c], bit);
        note(boxOnce[b], boxTwice[b], bit);
    }
    for (scell& cell : cells_) {
        cell.Invalid = false;
        if (!cell.Sure) continue;
        const int v = cell.Trying;
        bool twice = false;
        if (v >= 1 && v <= n_) {
            const std::uint32_t bit = candidateBit(v - 1);
            twice = ((rowTwice[static_cast<std::size_t>(cell.meRow)] |
                      colTwice[static_cast<std::size_t>(cell.meCol)] |
                      boxTwice[static_cast<std::size_t>(cell.boxNumber)]) &
                     bit) != 0;
        } else {
            twice = countInUnit(v, cell.meRow, kRow) >= 2 ||
                    countInUnit(v, cell.meCol, kColumn) >= 2 ||
                    countInUnit(v, cell.boxNumber, kBox) >= 2;
        }
        if (twice) cell.putInvalid();
    }
}

bool scells::hasConflict() const {
    for (int type = kRow; type <= kBox; ++type) {
        for (int unit = 0; unit < n_; ++unit) {
            const std::int16_t* members = unitOf(unit, type);
            std::uint32_t seen = 0;
            for (int k = 0; k < n_; ++k) {
                const scell& cell = cells_[static_cast<std::size_t>(members[k])];
                if (!cell.Sure) continue;
                if (cell.Trying < 1 || cell.Trying > n_) return true;
                const std::uint32_t bit = candidateBit(cell.Trying - 1);
                if (seen & bit) return true;
                seen |= bit;
            }
        }
    }
    return false;
}

std::uint64_t scells::fingerprint() const {
    std::uint64_t hash = 14695981039346656037ULL;  // FNV-1a
    const auto mix = [&hash](std::uint64_t word) {
        hash ^= word;
        hash *= 1099511628211ULL;
    };
    mix(static_cast<std::uint64_t>(n_));
    for (const scell& c : cells_) {
        const std::uint64_t flags =
            (c.Sure ? 1U : 0U) | (c.Original ? 2U : 0U) | (c.Entered ? 4U : 0U);
        mix((static_cast<std::uint64_t>(c.bPoss) << 24) |
            (static_cast<std::uint64_t>(static_cast<std::uint16_t>(c.Trying)) << 8) | flags);
    }
    return hash;
}

int scells::allDone() const {
    int sure = 0;
    for (const scell& cell : cells_) {
        if (cell.Sure) {
            ++sure;
        } else if (cell.countPossibilities > 1) {
            return 2;
        }
    }
    return sure == n_ * n_ ? 1 : 0;
}

void scells::Resetting() {
    for (scell& cell : cells_) {
        if (!cell.Original) cell.Clear();
    }
    SolvedStatus = 0;
}

void scells::releaseCells() {
    cells_.assign(1, scell{});
    sOrder.clear();
}

void scells::Optimize() {
    sOrder.OptimizeSort();
    setOrderIndexes();
}

void scells::setOrderIndexes() {
    for (int p = 0; p < sOrder.nList; ++p)
        cells_[static_cast<std::size_t>(sOrder.ListGetValue(p))].sOrderIndex =
            static_cast<std::int16_t>(p);
}

scell* scells::getNextCell(const scell* s) {
    const int p = s == nullptr ? 0 : s->sOrderIndex + 1;
    if (p >= sOrder.nList) return nullptr;
    return &cells_[static_cast<std::size_t>(sOrder.ListGetValue(p))];
}

scell* scells::getNextGuess(const scell* sGuessing) {
    for (scell* cell = getNextCell(sGuessing); cell != nullptr; cell = getNextCell(cell)) {
        if (!cell->Sure) return cell;
    }
    return nullptr;
}

}  // namespace velmora
