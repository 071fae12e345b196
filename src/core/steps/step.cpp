#include "steps/step.h"

namespace velmora {

StepKind Step::kind() const {
    switch (technique) {
        case Technique::NakedPair:
        case Technique::NakedTriple:
        case Technique::NakedQuad:
        case Technique::NakedSubset:
            return {technique, static_cast<int>(cells.size())};
        case Technique::HiddenPair:
            return {technique, 2};
        default:
            return {technique, 1};
    }
}

Technique nakedSubsetTechnique(int size) {
    switch (size) {
        case 2:
            return Technique::NakedPair;
        case 3:
            return Technique::NakedTriple;
        case 4:
            return Technique::NakedQuad;
        default:
            return Technique::NakedSubset;
    }
}

int kindRank(StepKind kind) {
    // Sizes stay below kMaxDim, so a technique's ranks never reach the next one's.
    return static_cast<int>(kind.technique) * (kMaxDim + 1) + kind.size;
}

std::string techniqueCode(StepKind kind) {
    switch (kind.technique) {
        case Technique::NakedSingle:
            return "naked-single";
        case Technique::HiddenSingle:
            return "hidden-single";
        case Technique::BoxLine:
            return "box-line";
        case Technique::NakedPair:
            return "naked-pair";
        case Technique::NakedTriple:
            return "naked-triple";
        case Technique::NakedQuad:
            return "naked-quad";
        case Technique::NakedSubset:
            return "naked-subset-" + std::to_string(kind.size);
        case Technique::HiddenPair:
            return "hidden-pair";
    }
    return {};
}

}  // namespace velmora
