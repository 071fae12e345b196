// One puzzle as the exchange formats carry it: shape, givens, pencil marks and header fields.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "formats/puzzle_format.h"
#include "model/box_shape.h"

namespace velmora {

struct ExchangePuzzle {
    BoxShape shape;
    // Element numbers 1..N row by row, 0 for an open cell; N*N of them.
    std::vector<int> givens;
    // Candidate masks (bit v-1 for element v) row by row, present only when the text listed
    // candidates (pencil-mark grid, candidate line). A given cell's mask is its value's bit.
    std::optional<std::vector<std::uint32_t>> candidates;
    // Header fields of an .sdk file in file order: author, description, comment, date, source,
    // level, address. A key may repeat (several comment lines).
    std::vector<std::pair<std::string, std::string>> metadata;
    PuzzleFormat format = PuzzleFormat::Line;
};

// Every element of a side-n grid as a mask.
constexpr std::uint32_t elementMask(int n) {
    return (std::uint32_t{1} << n) - 1;
}

// The candidates a writer shows for cell `index`: a given's own bit, else the listed candidates,
// else (none listed, or not one per cell) every element.
inline std::uint32_t shownCandidates(const ExchangePuzzle& puzzle, std::size_t index) {
    const int n = puzzle.shape.n();
    const int given = puzzle.givens[index];
    if (given >= 1 && given <= n) return std::uint32_t{1} << (given - 1);
    if (puzzle.candidates && puzzle.candidates->size() == puzzle.givens.size())
        return (*puzzle.candidates)[index] & elementMask(n);
    return elementMask(n);
}

}  // namespace velmora
