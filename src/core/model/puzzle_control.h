// The configuration the whole program shares: geometry, element characters, colours and fonts,
// mode switches, version texts, the current grid and the links to the other controllers.
#pragma once

#include <cstdint>
#include <memory>
#include <string>

#include "model/colour.h"
#include "model/scells.h"

namespace velmora {

class CellHistory;
class GridView;
class ModuleState;
class Statsblock;  // the elimination counters and the grid stack, kept by the layer above

class PuzzleControl {
  public:
    explicit PuzzleControl(ModuleState& owner) : module(&owner) {}

    std::int16_t nDim = 0;
    Colour cBackValid = 0;
    Colour cBackInvalid = 0;
    Colour cBackUnsolvable = 0;
    Colour cHumanColorindex = 0;
    Colour cComputerSureIndex = 0;
    Colour cComputerMaybeIndex = 0;
    Colour cOriginalIndex = 0;
    Colour cBackevenValidSquare = 0;
    Colour cBackoddValidSquare = 0;
    Colour cBackoddInvalidSquare = 0;
    Colour cBackevenInvalidSquare = 0;
    Colour cBackevenunsolvableSquare = 0;
    Colour cBackoddunsolvableSquare = 0;
    std::string cHumanFontName;
    std::string cComputerFontName;
    double cFontSize = 0;
    double cMaybeFontSize = 0;
    std::string cMaybeFontName;
    bool Generate = false;
    GridPtr theCells;
    std::string pVersion;
    Statsblock* sBlock = nullptr;
    std::int16_t nRows = 0;
    std::int16_t nCols = 0;
    std::int16_t nRowsofBoxes = 0;
    std::int16_t nColsofBoxes = 0;
    CellHistory* fControl = nullptr;  // the undo history
    GridView* gControl = nullptr;
    std::int16_t pSaveVersion = 0;
    std::int16_t difficultyPercent = 0;
    std::string sElements;
    bool Experimental = false;
    bool guessingEnabled = false;
    bool Scribbling = false;
    std::int32_t sgValue = 0;
    std::int32_t wLanguage = 0;
    bool solving = false;
    bool manualPencilMarks = false;

    ModuleState* module;  // the shared tables, the random source and the ports

    // Reads the selected size option and sets geometry and font sizes from it.
    void SizeIt();
    // Makes `option` (sgValue) the size option and, when it is one of the ten, sets geometry and
    // font sizes from it; nDim follows the box shape.
    void applySizeOption(int option);
    void init(CellHistory* fc, GridView* gc);
    // The character of element v (1..N), or '?' for a value outside the element string.
    char elementChar(int v) const;
};

}  // namespace velmora
