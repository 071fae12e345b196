#include "texts/step_script.h"

namespace velmora {

namespace {

std::string cellValues(const std::vector<CellValue>& items, char mark, int n,
                       std::string_view elements) {
    if (items.empty()) return "-";
    std::string out;
    for (const CellValue& item : items) {
        if (!out.empty()) out += ';';
        out += cellName(item.cell, n);
        out += mark;
        out += elementName(item.value, elements);
    }
    return out;
}

}  // namespace

std::string placementsField(const Step& step, int n, std::string_view elements) {
    return cellValues(step.placements, '=', n, elements);
}

std::string eliminationsField(const Step& step, int n, std::string_view elements) {
    return cellValues(step.eliminations, '-', n, elements);
}

std::string_view outcomeCode(PathOutcome outcome) {
    switch (outcome) {
        case PathOutcome::Solved:
            return "solved";
        case PathOutcome::Stuck:
            return "stuck";
        case PathOutcome::Invalid:
            return "invalid";
    }
    return {};
}

std::string explainTsv(const ExplainedPath& path, std::string_view elements,
                       StepLanguage language) {
    const int n = path.shape.n();
    std::string out;
    int number = 0;
    for (const Step& step : path.steps) {
        out += std::to_string(++number);
        out += '\t';
        out += techniqueCode(step.kind());
        out += '\t';
        out += placementsField(step, n, elements);
        out += '\t';
        out += eliminationsField(step, n, elements);
        out += '\t';
        out += stepSentence(step, n, elements, language);
        out += '\n';
    }
    out += "RESULT\t";
    out += outcomeCode(path.outcome);
    out += "\n\n";
    return out;
}

std::string explainText(const ExplainedPath& path, std::string_view elements,
                        StepLanguage language) {
    const int n = path.shape.n();
    std::string out;
    int number = 0;
    for (const Step& step : path.steps) {
        out += std::to_string(++number);
        out += ". ";
        out += stepSentence(step, n, elements, language);
        out += '\n';
    }
    out += findingSentence(path.end, n, elements, language);
    out += "\n\n";
    return out;
}

std::string explainScript(const ExplainedPath& path, ScriptFormat format, std::string_view elements,
                          StepLanguage language) {
    return format == ScriptFormat::Tsv ? explainTsv(path, elements, language)
                                       : explainText(path, elements, language);
}

}  // namespace velmora
