// One step of the explained path: which rule, where, and what it allows.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "model/box_shape.h"

namespace velmora {

// In the finder's order, simplest first.
enum class Technique {
    NakedSingle,
    HiddenSingle,
    BoxLine,
    NakedPair,
    NakedTriple,
    NakedQuad,
    NakedSubset,  // five cells or more
    HiddenPair,
};

// A technique with its size: the cells of a naked subset, else 1 (hidden pair 2).
struct StepKind {
    Technique technique = Technique::NakedSingle;
    int size = 1;
    bool operator==(const StepKind&) const = default;
};

struct UnitRef {
    UnitType type = kRow;
    int index = 0;  // 0-based; boxes row by row
    bool operator==(const UnitRef&) const = default;
};

struct CellValue {
    int cell = 0;   // bigindex
    int value = 0;  // element number 1..N
    bool operator==(const CellValue&) const = default;
};

struct Step {
    Technique technique = Technique::NakedSingle;
    // Hidden single, naked subsets, hidden pair: the unit. Box-line: the box, then the row or
    // column. Naked single: none.
    std::vector<UnitRef> units;
    std::vector<int> cells;    // the pattern's cells, ascending
    std::uint32_t values = 0;  // the pattern's values, bit v-1
    std::vector<CellValue> placements;
    std::vector<CellValue> eliminations;  // by cell, then value
    bool operator==(const Step&) const = default;

    StepKind kind() const;
};

// The naked-subset technique of `size` cells (2 pair, 3 triple, 4 quad, more: subset).
Technique nakedSubsetTechnique(int size);

// How hard a kind is, in the finder's order: every kind the finder tries earlier ranks lower.
int kindRank(StepKind kind);

// The script name: naked-single, hidden-single, box-line, naked-pair, naked-triple, naked-quad,
// naked-subset-K, hidden-pair.
std::string techniqueCode(StepKind kind);

}  // namespace velmora
