// A save file as the reader understands it, checked and ready to install, or the reason it was
// refused.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace velmora {

// The configuration values a save file carries. Before reading they hold what a fresh
// configuration would have, so a value the file leaves out keeps its initial value.
struct SaveSettings {
    std::string pVersion;
    std::int16_t pSaveVersion = 0;
    std::int16_t nRows = 0;
    std::int16_t nCols = 0;
    std::int16_t nRowsofBoxes = 0;
    std::int16_t nColsofBoxes = 0;
    std::int32_t sgValue = 0;
    std::string sElements;  // one byte per element
    bool Experimental = false;
    bool guessingEnabled = false;
    bool Scribbling = false;
    bool manualPencilMarks = false;
    std::int32_t wLanguage = 0;
};

// One cell line: value, flags and candidate set, exactly as the file gives them.
struct SavedCell {
    std::int16_t Trying = 0;
    bool Sure = false;
    bool Original = false;
    bool Entered = false;
    std::uint32_t bPoss = 0;
};

struct SaveFileContents {
    SaveSettings settings;
    int sizeOption = 0;            // index 0..9 of the box shape
    int n = 0;                     // grid side
    std::vector<SavedCell> cells;  // n * n, by bigindex
};

enum class SaveFault {
    None,
    Incompatible,  // another save-file version
    Malformed,     // a line the reader cannot use, or cells missing
};

struct SaveReadResult {
    SaveFault fault = SaveFault::None;
    int line = 0;               // 1-based number of the first bad line, or of the last line
    bool atEnd = false;         // the fault shows only at the end of the file
    std::string lineText;       // the bad line as read, UTF-8, shortened when long
    std::string reason;         // what is wrong with it
    SaveFileContents contents;  // complete only when fault is None
    // "-" keys the reader does not know, lower case, in file order up to the first bad line.
    std::vector<std::string> unknownKeys;

    bool ok() const { return fault == SaveFault::None; }
};

}  // namespace velmora
