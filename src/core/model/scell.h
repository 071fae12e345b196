// One square of the puzzle grid: its value, state flags, candidate set and position.
//
// Element numbers are 1..N (0 = no value); in a candidate set element v is bit v-1, the
// candidate index. A cell reaches its configuration through its grid (meGrid->pControl).
#pragma once

#include <array>
#include <bit>
#include <cstdint>
#include <string>

#include "model/box_shape.h"
#include "model/random.h"

namespace velmora {

class scells;

// The bit of candidate index i (0..31).
constexpr std::uint32_t candidateBit(int i) {
    return std::uint32_t{1} << i;
}
// The number of candidates in a set. Inline bit arithmetic: without a CPU-specific build flag
// std::popcount becomes a library call, and the elimination pass counts sets all the time.
constexpr int bitCount(std::uint32_t x) {
    x = x - ((x >> 1) & 0x55555555u);
    x = (x & 0x33333333u) + ((x >> 2) & 0x33333333u);
    x = (x + (x >> 4)) & 0x0f0f0f0fu;
    return static_cast<int>((x * 0x01010101u) >> 24);
}
// All candidates of an N-element puzzle.
constexpr std::uint32_t allCandidates(int n) {
    return n >= 32 ? ~0u : candidateBit(n) - 1u;
}

// A cell's candidate indexes 0..N-1 in the random order guesses try them. Drawn when the solver
// first guesses on the cell (nList 0 until then): most cells of most grids are never guessed on.
struct PossOrder {
    std::array<std::int8_t, kMaxDim> entries{};
    int nList = 0;

    void listInit(int n, Random& random);
    bool drawn() const { return nList > 0; }
    int ListGetValue(int ip) const { return entries[static_cast<std::size_t>(ip)]; }
};

class scell {
  public:
    std::uint32_t bPoss = 0;  // bit i set: element i+1 is still possible
    bool Invalid = false;     // conflicts with another Sure cell of a unit
    bool Entered = false;     // typed by the user while solving
    bool Sure = false;        // holds a definite value
    bool Original = false;    // a given of the puzzle
    std::int16_t Trying = 0;  // the value, 1..N, meaningful when Sure
    std::int16_t countPossibilities = 0;
    PossOrder sPossOrder;
    std::int16_t meRow = 0;
    std::int16_t meCol = 0;
    scells* meGrid = nullptr;
    std::int16_t sOrderIndex = 0;
    std::int16_t boxNumber = 0;

    // Resets value, flags and candidates; the candidate order is drawn when first needed.
    void init();
    void Clear();
    // Copies this cell's state into s (s.Clear() first). meGrid is copied too: a copy made for
    // another grid must have its meGrid set again by the caller.
    void sCopy(scell& s) const;
    int putSure(int ielement);
    int putOriginal(int ielement);
    int putEntered(int ielement);
    void putInvalid();
    void clearallPossibilities() {
        bPoss = 0;
        countPossibilities = 0;
    }
    bool getPossibility(int iposs) const { return (bPoss & candidateBit(iposs)) != 0; }
    void putPossibility(int iposs);
    int clearPossibility(int ipx);
    int recountPossibilities();
    // The highest candidate index present, or -1 for an empty set.
    int nextPoss() const;
    int updateSure();
    int comparePossibilities(const scell& s) const {
        return bPoss == s.bPoss ? countPossibilities : 0;
    }
    bool sUbset(const scell& s) const { return (bPoss & s.bPoss) == s.bPoss; }
    int unsetPossibilities(const scell& s);
    bool inSameBox(const scell& s) const { return boxNumber == s.boxNumber; }
    int boxIndex() const;
    bool evenSquare() const;
    // Hands this cell to the undo history (pControl->fControl) before a user change.
    void scPush();
    // The candidates as element characters in ascending order, each followed by one blank.
    std::string unmask() const;

  private:
    int dim() const;
};

}  // namespace velmora
