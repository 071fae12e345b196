// The exchange formats a puzzle is read from and written to, and their command-line names.
#pragma once

#include <optional>
#include <string_view>

namespace velmora {

enum class PuzzleFormat {
    Line,         // N*N characters on one line (also .sdm files)
    Tagged,       // "RxC:" then the one-line form: the program's own, names the box shape
    Grid,         // N lines of N cells
    Bordered,     // the grid drawn with | - + * borders (also Simple Sudoku .ss files)
    Sdk,          // a plain grid after '#' header lines (.sdk files); read only
    PencilMarks,  // a bordered grid listing each open cell's candidates
    Candidates,   // N*N*N characters, N per cell, one place per element
};

// The stable command-line name: line, tagged, grid, bordered, sdk, pm, candidates.
std::string_view formatName(PuzzleFormat format);

// The format of a command-line name (any case), or none.
std::optional<PuzzleFormat> formatFromName(std::string_view name);

// The format a file extension promises (".sdm", ".ss", ".sdk", with or without the dot, any
// case), or none when the extension says nothing.
std::optional<PuzzleFormat> formatFromExtension(std::string_view extension);

// Every format but Sdk has a writer.
constexpr bool isWritable(PuzzleFormat format) {
    return format != PuzzleFormat::Sdk;
}

}  // namespace velmora
