// Makes the puzzles of a book one Generate at a time, so that a caller can show progress and
// stop between two puzzles. The workbench is driven exactly as the generate verb drives it, so a
// seed gives the puzzles `generate` prints with that seed, in that order.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "book_puzzle.h"
#include "commands/workbench.h"
#include "model/quiet_ports.h"

namespace velmora::book {

// Generate runs allowed for one puzzle of a chosen level before the book is given up.
inline constexpr int kAttemptsPerPuzzle = 200;

struct BookRequest {
    BoxShape shape;
    int difficulty = 0;          // the Generate slider, 0..100
    std::optional<Level> level;  // keep only puzzles of this level
    RuleSwitches rules;          // the window's technique switches
    int count = 1;
    std::string elements;  // Latin-1 element characters; empty for the default ones
};

class BookGenerator {
  public:
    enum class Outcome { Kept, Skipped, GaveUp };

    BookGenerator(const BookRequest& request, std::uint64_t seed, StatusBar* statusBar = nullptr);

    // Runs Generate once and keeps the puzzle when it has the level asked for. GaveUp when the
    // puzzle being made has had its kAttemptsPerPuzzle runs. Runs nothing once the book is
    // complete (Skipped) or given up (GaveUp).
    Outcome step();
    bool finished() const { return static_cast<int>(puzzles_.size()) >= request_.count; }

    const std::vector<BookPuzzle>& puzzles() const { return puzzles_; }
    std::vector<BookPuzzle> takePuzzles() { return std::move(puzzles_); }

  private:
    BookRequest request_;
    FixedSettings settings_;
    Workbench wb_;
    std::vector<BookPuzzle> puzzles_;
    int attempts_ = 0;
    bool gaveUp_ = false;
};

}  // namespace velmora::book
