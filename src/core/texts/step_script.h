// What the command line prints for `explain`: pure functions from an explained path to text.
#pragma once

#include <string>
#include <string_view>

#include "steps/explained_path.h"
#include "texts/step_texts.h"

namespace velmora {

enum class ScriptFormat { Text, Tsv };

// "r3c7=5;r4c1=2", or "-" when the step places nothing.
std::string placementsField(const Step& step, int n, std::string_view elements);
// "r3c7-5;r3c8-5", or "-" when the step removes nothing.
std::string eliminationsField(const Step& step, int n, std::string_view elements);

// One line per step, STEP<TAB>TECHNIQUE<TAB>PLACEMENTS<TAB>ELIMINATIONS<TAB>TEXT with STEP from
// 1, then RESULT<TAB>solved|stuck|invalid, then a blank line.
std::string explainTsv(const ExplainedPath& path, std::string_view elements, StepLanguage language);

// "N. sentence" per step, then the sentence on the result, then a blank line.
std::string explainText(const ExplainedPath& path, std::string_view elements,
                        StepLanguage language);

std::string explainScript(const ExplainedPath& path, ScriptFormat format, std::string_view elements,
                          StepLanguage language);

std::string_view outcomeCode(PathOutcome outcome);

}  // namespace velmora
