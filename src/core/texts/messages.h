// The numbered status-bar and message-box texts, in English and German.
#pragma once

#include <string>

namespace velmora {

// The catalogue's entries by number, as callers use them.
enum class MessageId : int {
    GeneratingNewPuzzle = 0,   // panel 1 when Generate starts
    Thinking = 1,              // panel 3 while Generate or Solve works
    NotValidCharacter = 2,     // after "<character>:" when the pencil-mark editor refuses one
    CharactersNeeded = 3,      // after "<count> " when new element characters are refused
    PuzzleCleared = 4,         // panel 1 after Clear
    Ready = 5,                 // panel 3 after Clear; panel 2 through clearSb2
    EnterGenerateOrLoad = 6,   // panel 1 when entry of givens starts
    TrySolveManually = 7,      // panel 1 when entry of the solution starts
    YourTurn = 8,              // panel 3 after Generate
    YourTurnAgain = 9,         // panel 3 after Reset
    IgnoreManualMarks = 10,    // question before solving with manual pencil marks
    Solving = 11,              // panel 1 when Solve starts
    TryAnother = 12,           // panel 3 when Solve ends
    Solved = 13,               // panel 1: the solve outcome is solved
    Unsolvable = 14,           // panel 1: the solve outcome is unsolvable
    MultipleSolutions = 15,    // panel 1: the rules got stuck without brute force
    ClearComputerMarks = 16,   // question when manual pencil marks are switched on
    TickManualFirst = 17,      // double click while pencil marks are computed
    EditDeletesEntry = 18,     // question before editing the marks of a cell with a value
    FoundGenuineSudoku = 19,   // panel 2 when Generate found its puzzle; the attempts follow
    BasePuzzleGenerated = 20,  // panel 1 when the generator has its complete grid
    SolvedWellDone = 21,       // panel 2 while every cell holds a value and no unit repeats one
    SearchStopped = 22,        // panel 1: brute force reached its call limit undecided
};

// The number of entries; valid ids are 0 .. kMessageCount - 1.
inline constexpr int kMessageCount = 23;

// The text of message `id` in `language` (1 German; every other value, French included,
// English). An id outside the catalogue gives the empty string.
std::string getMessage(MessageId id, int language);

}  // namespace velmora
