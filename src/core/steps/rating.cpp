#include "steps/rating.h"

#include <algorithm>
#include <cmath>

namespace velmora {

namespace {

constexpr int kStuckWeight = 30;
constexpr int kOpenCellWeight = 4;
constexpr int kHardestFactor = 100;
constexpr double kReferenceCells = 81.0;

Level levelOf(const std::optional<StepKind>& hardest) {
    if (!hardest) return Level::Easy;
    switch (hardest->technique) {
        case Technique::NakedSingle:
        case Technique::HiddenSingle:
            return Level::Easy;
        case Technique::BoxLine:
        case Technique::NakedPair:
            return Level::Medium;
        default:
            return Level::Hard;
    }
}

}  // namespace

int stepWeight(StepKind kind) {
    switch (kind.technique) {
        case Technique::NakedSingle:
            return 1;
        case Technique::HiddenSingle:
            return 2;
        case Technique::BoxLine:
            return 4;
        case Technique::NakedPair:
            return 6;
        case Technique::NakedTriple:
            return 9;
        case Technique::NakedQuad:
            return 12;
        case Technique::NakedSubset:
            return 12 + 2 * (kind.size - 4);
        case Technique::HiddenPair:
            return 24;
    }
    return 0;
}

Rating ratePath(const ExplainedPath& path) {
    Rating rating;
    rating.steps = static_cast<int>(path.steps.size());
    int work = 0;
    for (const Step& step : path.steps) {
        const StepKind kind = step.kind();
        work += stepWeight(kind);
        if (!rating.hardest || kindRank(kind) > kindRank(*rating.hardest)) rating.hardest = kind;
    }
    if (path.outcome == PathOutcome::Invalid) {
        rating.level = Level::Invalid;
        return rating;
    }
    int top = rating.hardest ? stepWeight(*rating.hardest) : 0;
    rating.level = levelOf(rating.hardest);
    if (path.outcome == PathOutcome::Stuck) {
        rating.level = Level::Beyond;
        top = kStuckWeight;
        const auto& values = path.finalGrid.values;
        work += kOpenCellWeight * static_cast<int>(std::count(values.begin(), values.end(), 0));
    }
    const double cells = std::max(1, path.shape.cellCount());
    rating.score =
        kHardestFactor * top + static_cast<int>(std::lround(kReferenceCells * work / cells));
    return rating;
}

std::string_view levelCode(Level level) {
    switch (level) {
        case Level::Easy:
            return "easy";
        case Level::Medium:
            return "medium";
        case Level::Hard:
            return "hard";
        case Level::Beyond:
            return "beyond";
        case Level::Invalid:
            return "invalid";
    }
    return {};
}

std::string rateLine(const Rating& rating) {
    std::string line(levelCode(rating.level));
    line += '\t';
    line += std::to_string(rating.score);
    line += '\t';
    line += rating.hardest ? techniqueCode(*rating.hardest) : std::string("-");
    line += '\t';
    line += std::to_string(rating.steps);
    line += '\n';
    return line;
}

}  // namespace velmora
