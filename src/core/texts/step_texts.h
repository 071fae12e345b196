// The step finder's texts in English, German and French (UTF-8): short titles, full sentences
// and the reports on a grid that has no next step.
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "steps/step.h"
#include "steps/step_finder.h"

namespace velmora {

// Numbered as the window's language choice: 0 English, 1 German, 2 French.
enum class StepLanguage { English = 0, German = 1, French = 2 };

// The window's language number; anything but 1 and 2 is English.
constexpr StepLanguage stepLanguageFor(int language) {
    return language == 1   ? StepLanguage::German
           : language == 2 ? StepLanguage::French
                           : StepLanguage::English;
}

// "r3c7": row and column from 1, rows from the top, columns from the left.
std::string cellName(int cell, int n);

// "a", "a and b", "a, b and c", in `language`.
std::string joinList(const std::vector<std::string>& items, StepLanguage language);

// The character of element `value` (1..N) in `elements` (one Latin-1 byte per element), as
// UTF-8; an empty or too short string falls back to the default elements.
std::string elementName(int value, std::string_view elements);

// "row 3", "Zeile 3", "la ligne 3"; boxes numbered row by row from 1.
std::string unitName(UnitRef unit, StepLanguage language);

// "Naked pair", "Nacktes Paar", "Paire nue".
std::string techniqueName(StepKind kind, StepLanguage language);

// The short form naming technique and place: "Hidden single in box 5".
std::string stepTitle(const Step& step, int n, StepLanguage language);

// The full sentence: what the pattern is and what it allows.
std::string stepSentence(const Step& step, int n, std::string_view elements, StepLanguage language);

// "r1c2 and r1c7 both hold 5.", one sentence per pair.
std::string conflictSentence(const std::vector<Conflict>& conflicts, int n,
                             std::string_view elements, StepLanguage language);

// "r4c4 has no candidate left."
std::string deadCellsSentence(const std::vector<int>& cells, int n, StepLanguage language);

std::string stuckSentence(StepLanguage language);
std::string solvedSentence(StepLanguage language);

// The sentence for any finding: the step's, or the report on a solved, stuck or broken grid
// (conflicts before dead cells, both when both).
std::string findingSentence(const StepFinding& finding, int n, std::string_view elements,
                            StepLanguage language);

}  // namespace velmora
