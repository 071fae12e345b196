#include "model/puzzle_control.h"

#include "model/module_state.h"
#include "model/size_options.h"
#include "velmora_version.h"

namespace velmora {

void PuzzleControl::SizeIt() {
    const int selected = module->settings().selectedSizeOption();
    applySizeOption(selected >= 0 ? selected : sgValue);
}

void PuzzleControl::applySizeOption(int option) {
    sgValue = option;
    if (sgValue >= 0 && sgValue < static_cast<int>(kSizeOptions.size())) {
        const SizeOption& o = kSizeOptions[static_cast<std::size_t>(sgValue)];
        nRows = static_cast<std::int16_t>(o.nRows);
        nCols = static_cast<std::int16_t>(o.nCols);
        nRowsofBoxes = static_cast<std::int16_t>(o.nRowsofBoxes);
        nColsofBoxes = static_cast<std::int16_t>(o.nColsofBoxes);
        cFontSize = o.cFontSize;
        cMaybeFontSize = o.cMaybeFontSize;
    }
    nDim = static_cast<std::int16_t>(nCols * nRows);
}

void PuzzleControl::init(CellHistory* fc, GridView* gc) {
    cBackInvalid = rgb(255, 255, 0);
    cHumanColorindex = rgb(0, 0, 255);
    cComputerSureIndex = rgb(60, 150, 60);
    cComputerMaybeIndex = rgb(128, 128, 168);
    cOriginalIndex = rgb(0, 0, 0);
    cBackevenValidSquare = rgb(200, 240, 240);
    cBackoddValidSquare = rgb(255, 255, 255);
    cBackoddInvalidSquare = rgb(230, 100, 240);
    cBackevenInvalidSquare = rgb(230, 100, 240);
    cBackevenunsolvableSquare = rgb(255, 0, 0);
    cBackoddunsolvableSquare = rgb(255, 0, 0);
    cHumanFontName = "Comic Sans MS";
    cComputerFontName = "tahoma";
    cMaybeFontName = "tahoma";
    Generate = false;
    pVersion = kProgramVersion;
    pSaveVersion = 1;
    difficultyPercent = 0;
    Experimental = false;
    guessingEnabled = false;
    wLanguage = 0;
    solving = false;
    manualPencilMarks = false;
    SizeIt();
    sElements = std::string(kDefaultElements).substr(0, static_cast<std::size_t>(nDim));
    Scribbling = module->settings().showPencilMarks();
    theCells.reset();
    fControl = fc;
    gControl = gc;
}

char PuzzleControl::elementChar(int v) const {
    if (v < 1 || v > static_cast<int>(sElements.size())) return '?';
    return sElements[static_cast<std::size_t>(v - 1)];
}

}  // namespace velmora
