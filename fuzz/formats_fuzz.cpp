// The exchange-format reader with any bytes: whatever it reads is a well-formed puzzle, and each
// puzzle written in every writable format reads back to the same shape, givens and (pm,
// candidates) candidates. Each input is read twice: with no options, and with a box, a format
// hint, singlesAsGivens and element characters chosen from a hash of the input.
#include <algorithm>
#include <array>
#include <bit>
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

#include "formats/puzzle_reader.h"
#include "formats/puzzle_writer.h"
#include "fuzz_workbench.h"
#include "texts/read_error_texts.h"

namespace {

using velmora::ExchangePuzzle;
using velmora::PuzzleFormat;
using velmora::ReadOptions;
using velmora::fuzz::require;

constexpr std::array<PuzzleFormat, 7> kFormats{
    PuzzleFormat::Line,        PuzzleFormat::Tagged,     PuzzleFormat::Grid, PuzzleFormat::Bordered,
    PuzzleFormat::PencilMarks, PuzzleFormat::Candidates, PuzzleFormat::Sdk};

void checkWellFormed(const ExchangePuzzle& p) {
    require(std::find(velmora::kBoxShapes.begin(), velmora::kBoxShapes.end(), p.shape) !=
                velmora::kBoxShapes.end(),
            "a shape the program does not offer");
    const int n = p.shape.n();
    require(p.givens.size() == static_cast<std::size_t>(n * n), "givens of the wrong size");
    for (const int v : p.givens)
        require(v >= 0 && v <= n, "a given outside the elements");
    if (!p.candidates) return;
    require(p.candidates->size() == p.givens.size(), "candidates of the wrong size");
    for (std::size_t i = 0; i < p.givens.size(); ++i) {
        const std::uint32_t mask = (*p.candidates)[i];
        require((mask & ~velmora::elementMask(n)) == 0, "a candidate outside the elements");
        if (p.givens[i] != 0)
            require(mask == std::uint32_t{1} << (p.givens[i] - 1), "a given with other candidates");
    }
}

bool sameShown(const ExchangePuzzle& a, const ExchangePuzzle& b) {
    for (std::size_t i = 0; i < a.givens.size(); ++i)
        if (velmora::shownCandidates(a, i) != velmora::shownCandidates(b, i)) return false;
    return true;
}

ExchangePuzzle readBack(const std::string& text, const std::string& elements, bool singles) {
    ReadOptions options;
    options.elements = elements;
    options.singlesAsGivens = singles;
    velmora::ReadResult back = velmora::readPuzzles(text, options);
    require(back.ok(), "a written puzzle does not read back");
    require(back.puzzles.size() == 1, "a written puzzle reads back as several");
    return back.puzzles.front();
}

void checkRoundTrips(const ExchangePuzzle& p, const std::string& elements) {
    for (const PuzzleFormat format : kFormats) {
        const std::string text = velmora::writePuzzle(p, format, {elements});
        require(!text.empty() && text.back() == '\n', "a written puzzle without its line end");
        const ExchangePuzzle back = readBack(text, elements, false);
        require(back.shape == p.shape, "a written puzzle reads back with other boxes");
        if (format == PuzzleFormat::Candidates) {
            require(sameShown(back, p), "a candidate line reads back with other candidates");
            const ExchangePuzzle singles = readBack(text, elements, true);
            for (std::size_t i = 0; i < p.givens.size(); ++i) {
                const std::uint32_t mask = velmora::shownCandidates(p, i);
                const int expected = std::popcount(mask) == 1 ? std::countr_zero(mask) + 1 : 0;
                require(back.givens[i] == 0 && singles.givens[i] == expected,
                        "a candidate line reads back with other givens");
            }
            continue;
        }
        require(back.givens == p.givens, "a written puzzle reads back with other givens");
        if (format == PuzzleFormat::PencilMarks) {
            require(sameShown(back, p), "a pencil-mark grid reads back with other candidates");
        } else {
            require(!back.candidates, "a format without candidates read some");
        }
    }
}

void check(std::string_view text, const ReadOptions& options) {
    const velmora::ReadResult read = velmora::readPuzzles(text, options);
    if (!read.ok()) {
        require(read.puzzles.empty(), "a failed read left puzzles behind");
        require(read.error->line >= 0, "an error on a negative line");
        for (int language = 0; language < 3; ++language)
            require(!velmora::readErrorMessage(*read.error, language).empty(),
                    "an error without a message");
        return;
    }
    require(!read.puzzles.empty(), "a read without puzzles or error");
    std::size_t checked = 0;
    for (const ExchangePuzzle& p : read.puzzles) {
        checkWellFormed(p);
        if (checked++ < 4) checkRoundTrips(p, options.elements);
    }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    check(text, {});

    std::uint32_t hash = 2166136261U;
    for (const char c : text)
        hash = (hash ^ static_cast<unsigned char>(c)) * 16777619U;
    ReadOptions options;
    options.box = velmora::kBoxShapes[hash % 10];
    if (const std::size_t hint = (hash / 10) % (kFormats.size() + 1); hint < kFormats.size())
        options.hint = kFormats[hint];
    options.singlesAsGivens = (hash >> 12) & 1U;
    if ((hash >> 13) % 4 == 0) options.elements = "abcdefghijklmnopqrstuvwxyz123456789";
    check(text, options);
    return 0;
}
