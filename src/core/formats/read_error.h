// Why a text could not be read as puzzles.
#pragma once

#include <string>

namespace velmora {

enum class ReadErrorCode {
    TooLarge,         // over kMaxExchangeTextBytes
    BadElements,      // the element characters asked for cannot be told from the formats' own
    NoPuzzle,         // only blank, comment or border lines
    NotAPuzzle,       // a line that is neither a puzzle line nor a grid row
    WrongLength,      // a puzzle line of a length no grid has
    BadTag,           // "RxC:" naming no box shape of the program
    TagLength,        // "RxC:" followed by neither N*N nor N*N*N characters
    BadCharacter,     // a character that is no element of the puzzle's size
    BadCandidate,     // a candidate line holding at `column` something but element `expected`
    BadCell,          // a pencil-mark cell that is neither a value nor a candidate list
    UnsupportedSize,  // a grid row of a width no box shape gives
    RowLength,        // a grid row of another width than the first (two sizes mixed)
    IncompleteGrid,   // the text ends before the grid has all its rows
    AmbiguousShape,   // 12x12 and nothing tells 3x4 boxes from 2x6
};

struct ReadError {
    ReadErrorCode code = ReadErrorCode::NoPuzzle;
    int line = 0;      // 1-based line at fault; 0 when the whole text is
    int column = 0;    // 1-based character or cell of that line's puzzle text
    int found = 0;     // what the line has (characters, cells, rows)
    int expected = 0;  // what it needs (its side N for BadCharacter)
    std::string text;  // the character, tag or cell at fault, as shown to the user
};

}  // namespace velmora
