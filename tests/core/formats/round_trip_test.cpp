// Random puzzles of every box shape, written in every format, read back to the same puzzle.
#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <bit>
#include <random>
#include <string>

#include "bench.h"
#include "formats/puzzle_reader.h"
#include "formats/puzzle_writer.h"
#include "texts/read_error_texts.h"

namespace velmora {
namespace {

constexpr std::array<PuzzleFormat, 6> kWritable{
    PuzzleFormat::Line,     PuzzleFormat::Tagged,      PuzzleFormat::Grid,
    PuzzleFormat::Bordered, PuzzleFormat::PencilMarks, PuzzleFormat::Candidates};

// Givens at `density`; with `marks`, open cells get no, one or several random candidates.
ExchangePuzzle randomPuzzle(BoxShape shape, double density, bool marks, std::mt19937& rng) {
    const int n = shape.n();
    std::uniform_real_distribution<double> chance(0.0, 1.0);
    std::uniform_int_distribution<int> value(1, n);
    std::uniform_int_distribution<std::uint32_t> anyMask(0, (1U << n) - 1);
    ExchangePuzzle p;
    p.shape = shape;
    p.givens.assign(static_cast<std::size_t>(n * n), 0);
    std::vector<std::uint32_t> masks(p.givens.size());
    for (std::size_t i = 0; i < p.givens.size(); ++i) {
        if (chance(rng) < density) p.givens[i] = value(rng);
        const double kind = chance(rng);
        masks[i] = p.givens[i] != 0 ? 1U << (p.givens[i] - 1)
                   : kind < 0.2     ? 0U
                   : kind < 0.4     ? 1U << (value(rng) - 1)
                                    : anyMask(rng);
    }
    if (marks) p.candidates = masks;
    return p;
}

// What a writer shows for every cell, listed or not.
std::vector<std::uint32_t> shown(const ExchangePuzzle& p) {
    std::vector<std::uint32_t> masks;
    for (std::size_t i = 0; i < p.givens.size(); ++i)
        masks.push_back(shownCandidates(p, i));
    return masks;
}

void expectReadsBack(const ExchangePuzzle& p, PuzzleFormat format, const std::string& elements) {
    const std::string text = writePuzzle(p, format, {elements});
    ReadOptions options;
    options.elements = elements;
    const ReadResult back = readPuzzles(text, options);
    ASSERT_TRUE(back.ok()) << readErrorMessage(*back.error, 0) << "\n" << text;
    ASSERT_EQ(back.puzzles.size(), 1U) << text;
    const ExchangePuzzle& q = back.puzzles.front();
    EXPECT_EQ(q.shape, p.shape) << text;
    const bool marks = format == PuzzleFormat::PencilMarks || format == PuzzleFormat::Candidates;
    if (marks) {
        EXPECT_EQ(shown(q), shown(p)) << text;
    }
    if (format != PuzzleFormat::Candidates) {
        EXPECT_EQ(q.givens, p.givens) << text;
        // Only a pencil-mark grid with an open cell lists candidates.
        const bool open = std::count(p.givens.begin(), p.givens.end(), 0) > 0;
        EXPECT_EQ(q.candidates.has_value(), format == PuzzleFormat::PencilMarks && open) << text;
        return;
    }
    // A candidate line keeps no givens, unless singles are taken as givens.
    EXPECT_EQ(std::count(q.givens.begin(), q.givens.end(), 0), std::ssize(q.givens));
    options.singlesAsGivens = true;
    const ReadResult singles = readPuzzles(text, options);
    ASSERT_TRUE(singles.ok());
    for (std::size_t i = 0; i < p.givens.size(); ++i) {
        const std::uint32_t mask = shownCandidates(p, i);
        EXPECT_EQ(singles.puzzles[0].givens[i],
                  std::popcount(mask) == 1 ? std::countr_zero(mask) + 1 : 0);
    }
}

class FormatsRoundTrip : public testing::TestWithParam<BoxShape> {};

TEST_P(FormatsRoundTrip, EveryWriterReadsBackTheSamePuzzle) {
    std::mt19937 rng(static_cast<unsigned>(GetParam().rows * 100 + GetParam().cols));
    for (const double density : {0.0, 0.3, 1.0}) {
        for (const bool marks : {false, true}) {
            const ExchangePuzzle p = randomPuzzle(GetParam(), density, marks, rng);
            for (const PuzzleFormat format : kWritable) {
                SCOPED_TRACE(std::string(formatName(format)) + " density " +
                             std::to_string(density) + (marks ? " with marks" : ""));
                expectReadsBack(p, format, "");
            }
        }
    }
}

// Seventeen, so that 4x4 lines also make a block of 16 lines of 16 characters.
TEST_P(FormatsRoundTrip, SeveralPuzzlesInOneTextKeepTheirOrder) {
    std::mt19937 rng(7);
    std::vector<ExchangePuzzle> puzzles;
    for (int i = 0; i < 17; ++i)
        puzzles.push_back(randomPuzzle(GetParam(), 0.1 * (i % 6), true, rng));
    for (const PuzzleFormat format : kWritable) {
        const ReadResult back = readPuzzles(writePuzzles(puzzles, format));
        ASSERT_TRUE(back.ok()) << formatName(format);
        ASSERT_EQ(back.puzzles.size(), puzzles.size()) << formatName(format);
        for (std::size_t i = 0; i < puzzles.size(); ++i) {
            if (format == PuzzleFormat::Candidates) {
                EXPECT_EQ(shown(back.puzzles[i]), shown(puzzles[i])) << formatName(format);
            } else {
                EXPECT_EQ(back.puzzles[i].givens, puzzles[i].givens) << formatName(format);
            }
        }
    }
}

TEST_P(FormatsRoundTrip, OwnElementCharactersInEitherCase) {
    std::mt19937 rng(11);
    const ExchangePuzzle p = randomPuzzle(GetParam(), 0.4, true, rng);
    for (const PuzzleFormat format : kWritable)
        expectReadsBack(p, format, "abcdefghijklmnopqrstuvwxyz123456789");
    ReadOptions upper;
    upper.elements = "ABCDEFGHIJKLMNOPQRSTUVWXYZ123456789";
    const std::string lower = writeTagged(p, {"abcdefghijklmnopqrstuvwxyz123456789"});
    EXPECT_EQ(readPuzzles(lower, upper).puzzles.at(0).givens, p.givens);
}

INSTANTIATE_TEST_SUITE_P(AllShapes, FormatsRoundTrip, testing::ValuesIn(kBoxShapes),
                         [](const auto& p) { return test::shapeName(p.param); });

}  // namespace
}  // namespace velmora
