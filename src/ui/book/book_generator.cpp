#include "book_generator.h"

#include "commands/commands.h"
#include "display/element_characters.h"
#include "model/size_options.h"

namespace velmora::book {

namespace {

FixedSettings settingsFor(const BookRequest& request) {
    FixedSettings s;
    s.sizeOption = sizeOptionForBox(request.shape.rows, request.shape.cols);
    s.subsets = {request.rules.singles, request.rules.pairs, request.rules.triplets,
                 request.rules.quads, request.rules.more};
    s.grabs = request.rules.grabs;
    s.hiddenPairs = request.rules.hiddenPairs;
    s.brute = false;
    s.difficultyValue = request.difficulty;
    return s;
}

Ports portsWith(WindowSettings& settings, StatusBar* statusBar) {
    Ports ports;
    ports.settings = &settings;
    ports.statusBar = statusBar;
    return ports;
}

std::vector<int> givensOf(scells& grid) {
    std::vector<int> values(static_cast<std::size_t>(grid.cellCount()));
    for (int b = 0; b < grid.cellCount(); ++b) {
        const scell& cell = grid.getcellBigindex(b);
        values[static_cast<std::size_t>(b)] = cell.Original ? cell.Trying : 0;
    }
    return values;
}

}  // namespace

BookGenerator::BookGenerator(const BookRequest& request, std::uint64_t seed, StatusBar* statusBar)
    : request_(request),
      settings_(settingsFor(request)),
      wb_(portsWith(settings_, statusBar), seed) {
    if (request_.elements.empty()) request_.elements = defaultElements(request_.shape.n());
    // The window starts with an empty puzzle before its first Generate.
    wb_.newPuzzle();
}

BookGenerator::Outcome BookGenerator::step() {
    if (gaveUp_ || finished()) return gaveUp_ ? Outcome::GaveUp : Outcome::Skipped;
    cbGenerate_Click(wb_);
    ++attempts_;
    BookPuzzle puzzle =
        makeBookPuzzle(request_.shape, givensOf(wb_.theCells()), request_.elements, request_.rules);
    if (!request_.level || puzzle.rating.level == *request_.level) {
        puzzles_.push_back(std::move(puzzle));
        attempts_ = 0;
        return Outcome::Kept;
    }
    if (attempts_ >= kAttemptsPerPuzzle) {
        gaveUp_ = true;
        return Outcome::GaveUp;
    }
    return Outcome::Skipped;
}

}  // namespace velmora::book
