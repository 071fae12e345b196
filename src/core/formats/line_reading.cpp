#include "formats/line_reading.h"

#include <bit>

#include "formats/text_lines.h"

namespace velmora {

namespace {

// One or two digits at the front of `s`, consumed.
int takeNumber(std::string_view& s) {
    int value = 0;
    std::size_t used = 0;
    while (used < s.size() && used < 2 && s[used] >= '0' && s[used] <= '9')
        value = value * 10 + (s[used++] - '0');
    s.remove_prefix(used);
    return used == 0 ? -1 : value;
}

}  // namespace

std::optional<LineTag> parseLineTag(std::string_view trimmed) {
    std::string_view s = trimmed;
    const int rows = takeNumber(s);
    if (rows < 0 || s.empty() || (s.front() != 'x' && s.front() != 'X')) return std::nullopt;
    s.remove_prefix(1);
    const int cols = takeNumber(s);
    if (cols < 0 || s.empty() || s.front() != ':') return std::nullopt;
    s.remove_prefix(1);
    return LineTag{rows, cols, trimmed.substr(0, trimmed.size() - s.size()), trimBlanks(s)};
}

std::optional<ReadError> readPuzzleField(std::string_view field, const ElementSet& elements,
                                         std::vector<int>& givens) {
    givens.assign(field.size(), 0);
    for (std::size_t i = 0; i < field.size(); ++i) {
        const int value = elements.valueOf(field[i]);
        if (value < 0) {
            return ReadError{
                ReadErrorCode::BadCharacter, 0, static_cast<int>(i + 1), 0, elements.n(),
                shownCharacter(field[i])};
        }
        givens[i] = value;
    }
    return std::nullopt;
}

std::optional<ReadError> readCandidateField(std::string_view field, const ElementSet& elements,
                                            bool singlesAsGivens, std::vector<int>& givens,
                                            std::vector<std::uint32_t>& candidates) {
    const auto n = static_cast<std::size_t>(elements.n());
    const std::size_t cells = field.size() / n;
    givens.assign(cells, 0);
    candidates.assign(cells, 0);
    for (std::size_t i = 0; i < field.size(); ++i) {
        const int value = elements.valueOf(field[i]);
        const int place = static_cast<int>(i % n) + 1;
        if (value == place) {
            candidates[i / n] |= std::uint32_t{1} << (place - 1);
        } else if (value != 0) {
            return ReadError{ReadErrorCode::BadCandidate, 0, static_cast<int>(i + 1), 0, place,
                             shownCharacter(field[i])};
        }
    }
    for (std::size_t cell = 0; cell < cells; ++cell) {
        const std::uint32_t mask = candidates[cell];
        if (singlesAsGivens && mask != 0 && (mask & (mask - 1)) == 0)
            givens[cell] = std::countr_zero(mask) + 1;
    }
    return std::nullopt;
}

CandidateFit candidateFit(std::string_view field, const ElementSet& elements) {
    const auto n = static_cast<std::size_t>(elements.n());
    CandidateFit fit{true, true};
    bool cellHasOne = false;
    for (std::size_t i = 0; i < field.size(); ++i) {
        const int value = elements.valueOf(field[i]);
        if (value == static_cast<int>(i % n) + 1) {
            cellHasOne = true;
        } else if (value != 0) {
            return {};
        }
        if (i % n == n - 1) {
            fit.everyCellHasOne = fit.everyCellHasOne && cellHasOne;
            cellHasOne = false;
        }
    }
    return fit;
}

}  // namespace velmora
