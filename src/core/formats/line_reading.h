// The one-line forms: a puzzle line, its tag, and the candidate line.
#pragma once

#include <cstdint>
#include <optional>
#include <string_view>
#include <vector>

#include "formats/element_set.h"
#include "formats/read_error.h"

namespace velmora {

// "RxC:" at the start of a line: the box rows and columns as written (not yet checked against
// the program's shapes), the tag itself and what follows it, blanks trimmed.
struct LineTag {
    int rows = 0;
    int cols = 0;
    std::string_view tag;
    std::string_view rest;
};
std::optional<LineTag> parseLineTag(std::string_view trimmed);

// Element numbers of an N*N field. A fault names its position as `column`; the caller adds the
// line.
std::optional<ReadError> readPuzzleField(std::string_view field, const ElementSet& elements,
                                         std::vector<int>& givens);

// Candidate masks of an N*N*N field, and the givens: the cells with one candidate when
// `singlesAsGivens`, else none.
std::optional<ReadError> readCandidateField(std::string_view field, const ElementSet& elements,
                                            bool singlesAsGivens, std::vector<int>& givens,
                                            std::vector<std::uint32_t>& candidates);

// How well a field fits the candidate-line layout of `elements`: whether every position holds
// its own element or an open-cell marker, and whether every cell then has a candidate.
struct CandidateFit {
    bool layout = false;
    bool everyCellHasOne = false;
};
CandidateFit candidateFit(std::string_view field, const ElementSet& elements);

}  // namespace velmora
