// What the Check command says, and the names of the rating levels, in English, German and French.
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "exact/puzzle_check.h"
#include "steps/rating.h"
#include "texts/step_texts.h"

namespace velmora {

// What Check found, as the report words it.
struct CheckFindings {
    int n = 9;
    std::string_view elements;         // one Latin-1 byte per element
    PuzzleCheck check;                 // of the givens alone
    TypoReport typos;                  // searched when there is no solution
    std::optional<std::size_t> wrong;  // how many of the user's values are wrong (unique only)
    std::vector<int> wrongCells;       // which, once the user asked to see them
    std::optional<Rating> rating;      // when the givens have exactly one solution
};

// The verdict alone, for the status bar: "Exactly one solution", ...
std::string verdictLine(Verdict verdict, StepLanguage language);

// The whole report for the panel beside the grid.
std::string checkReport(const CheckFindings& findings, StepLanguage language);

// "Rating: medium (score 483)".
std::string ratingLine(const Rating& rating, StepLanguage language);

// "easy", "leicht", "facile", ...
std::string levelName(Level level, StepLanguage language);

}  // namespace velmora
