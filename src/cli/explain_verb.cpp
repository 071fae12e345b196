#include "explain_verb.h"

#include <ostream>

#include "puzzle_input.h"
#include "steps/explained_path.h"
#include "steps/rating.h"
#include "texts/step_script.h"

namespace velmora::cli {

namespace {

ExplainedPath pathOf(const Options& options, const InputPuzzle& puzzle) {
    return explainGivens(puzzle.puzzle.shape, puzzle.puzzle.givens, ruleSwitchesFor(options));
}

}  // namespace

int explainVerb(const Options& options, std::istream& in, std::ostream& out, std::ostream& err) {
    const ScriptFormat format = options.tsv ? ScriptFormat::Tsv : ScriptFormat::Text;
    const auto language = static_cast<StepLanguage>(options.language);
    return forEachPuzzle(options, in, out, err, [&](const InputPuzzle& puzzle) {
        out << explainScript(pathOf(options, puzzle), format, puzzle.elements, language)
            << std::flush;
    });
}

int rateVerb(const Options& options, std::istream& in, std::ostream& out, std::ostream& err) {
    return forEachPuzzle(options, in, out, err, [&](const InputPuzzle& puzzle) {
        out << rateLine(ratePath(pathOf(options, puzzle))) << std::flush;
    });
}

}  // namespace velmora::cli
