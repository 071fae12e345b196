#include "steps/step.h"

namespace velmora {

StepKind Step::kind() const {
    switch (technique) {
        case Technique::nakedPair:
        case Technique::nakedTriple:
        case Technique::nakedQuad:
        case Technique::nakedSubset:
            return {technique, static_cast<int>(cells.size())};
        case Technique::hiddenPair:
            return {technique, 2};
        default:
            return {technique, 1};
    }
}

Technique nakedSubsetTechnique(int size) {
    switch (size) {
        case 2:
            return Technique::nakedPair;
        case 3:
            return Technique::nakedTriple;
        case 4:
            return Technique::nakedQuad;
        default:
            return Technique::nakedSubset;
    }
}

int kindRank(StepKind kind) {
    // Sizes stay below kMaxDim, so a technique's ranks never reach the next one's.
    return static_cast<int>(kind.technique) * (kMaxDim + 1) + kind.size;
}

std::string techniqueCode(StepKind kind) {
    switch (kind.technique) {
        case Technique::nakedSingle:
            return "naked-single";
        case Technique::hiddenSingle:
            return "hidden-single";
        case Technique::boxLine:
            return "box-line";
        case Technique::nakedPair:
            return "naked-pair";
        case Technique::nakedTriple:
            return "naked-triple";
        case Technique::nakedQuad:
            return "naked-quad";
        case Technique::nakedSubset:
            return "naked-subset-" + std::to_string(kind.size);
        case Technique::hiddenPair:
            return "hidden-pair";
    }
    return {};
}

}  // namespace velmora
