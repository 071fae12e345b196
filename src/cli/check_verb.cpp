#include "check_verb.h"

#include <ostream>

#include "exact/puzzle_check.h"
#include "puzzle_input.h"
#include "puzzle_line.h"
#include "texts/step_texts.h"

namespace velmora::cli {

namespace {

std::string_view verdictCode(Verdict verdict) {
    switch (verdict) {
        case Verdict::Invalid:
            return "invalid";
        case Verdict::None:
            return "none";
        case Verdict::Unique:
            return "unique";
        case Verdict::Multiple:
            return "multiple";
    }
    return {};
}

// VERDICT<TAB>COUNT<TAB>SOLUTION<TAB>TYPOS
std::string checkLine(const InputPuzzle& input, int limit) {
    const ExchangePuzzle& p = input.puzzle;
    const int n = p.shape.n();
    const PuzzleCheck check = checkPuzzle(p.shape, p.givens, limit);
    std::string line(verdictCode(check.verdict));
    line += '\t';
    line += std::to_string(check.solutions);
    if (check.limitReached) line += '+';
    line += '\t';
    line += check.firstSolution.empty() ? "-" : writePuzzleLine(check.firstSolution, n);
    line += '\t';
    std::string typos;
    if (check.verdict == Verdict::None) {
        for (const TypoSuspect& s : findTypos(p.shape, p.givens).suspects) {
            if (!typos.empty()) typos += ';';
            typos += cellName(s.cell, n);
            if (s.value != 0) typos += "=" + elementName(s.value, input.elements);
        }
    }
    line += typos.empty() ? "-" : typos;
    line += '\n';
    return line;
}

}  // namespace

int checkVerb(const Options& options, std::istream& in, std::ostream& out, std::ostream& err) {
    return forEachPuzzle(options, in, out, err, [&](const InputPuzzle& puzzle) {
        out << checkLine(puzzle, options.limit) << std::flush;
    });
}

}  // namespace velmora::cli
