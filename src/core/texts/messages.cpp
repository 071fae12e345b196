// The status-message catalogue. Where German has no text of its own, its column repeats the
// English one; French has none, so French callers get English.
#include "texts/messages.h"

#include <array>
#include <cstddef>
#include <string_view>

namespace velmora {

namespace {

struct Message {
    std::string_view english;
    std::string_view german;
};

// Texts are kept exactly as the program has always shown them, odd spacing and spelling included:
// callers glue characters and numbers onto some of them.
constexpr std::array<Message, kMessageCount> kMessages{{
    /* 0 */ {"Generating a new puzzle....", "Ein neues Sudoku entsteht ..."},
    /* 1 */ {"Thinking....", "Thinking...."},
    /* 2 */
    {"is not a valid character for this puzzle", "is not a valid character for this puzzle"},
    /* 3 */ {" characters needed for this puzzle", " characters needed for this puzzle"},
    /* 4 */
    {"Puzzle cleared - enter, generate or load a new one",
     "Puzzle geloest, laden oder generieren Sie eins oder geben Sie ein Neues ein"},
    /* 5 */ {"Ready ..", "Bereit ..."},
    /* 6 */
    {"Enter, generate or load a new puzzle",
     "Geben Sie eines neues ein oder generieren oder laden Sie eins!"},
    /* 7 */
    {"Try to solve this puzzle manually or click Solve",
     "Versuchen Sie, es selbst zu loesen oder klicken Sie auf 'Loesen'"},
    /* 8 */ {"Now its your turn..", "Sie sind dran!"},
    /* 9 */ {"Now its your turn again...", "Sie sind dran!"},
    /* 10 */
    {"This will ignore your manual pencil marks - okay ?",
     "This will ignore your manual pencil marks - okay ?"},
    /* 11 */ {"Solving....", "Solving...."},
    /* 12 */ {"Try another..", "Gleich noch einmal!"},
    /* 13 */ {"Solved!!", "Geloest - prima gemacht!"},
    /* 14 */ {"Unsolvable..", "Unsolvable.."},
    /* 15 */
    {"Multiple Solutions - use brute force or complex eliminations",
     "Uneindeutiges Sudoku - klicken Sie auf Brute Force, um es zu loesen!"},
    /* 16 */
    {"Shall I clear all computer generated pencil marks first ?",
     "Shall I clear all computer generated pencil marks first ?"},
    /* 17 */
    {"If you are sure you want to manually control pencil marks- please tick that box",
     "If you are sure you want to manually control pencil marks- please tick that box"},
    /* 18 */
    {"If you edit pencilmarks you will delete this entry - ok?",
     "If you edit pencilmarks you will delete this entry - ok?"},
    /* 19 */ {"Found a genuine Sudoku!", "Habe ein regelgerechtes Sudoku gefunden!"},
    /* 20 */ {"Base puzzle generated", "Base puzzle generated"},
    /* 21 */ {"Solved- Well done!", "Solved- Well done!"},
    /* 22 */
    {"Search stopped at its limit - the puzzle is undecided",
     "Suche an ihrer Grenze abgebrochen - das Puzzle bleibt unentschieden"},
}};

}  // namespace

std::string getMessage(MessageId id, int language) {
    const int number = static_cast<int>(id);
    // Unsigned test so negative numbers fall outside too.
    if (static_cast<unsigned>(number) >= static_cast<unsigned>(kMessageCount)) return {};
    const Message& m = kMessages[static_cast<std::size_t>(number)];
    return std::string(language == 1 ? m.german : m.english);
}

}  // namespace velmora
