// The puzzle book's texts in English, German and French: what the PDF prints and what the book
// dialog shows. Texts are UTF-8 and may hold {1}, {2}, ... for the arguments.
#pragma once

#include <initializer_list>
#include <string>
#include <string_view>
#include <vector>

#include "steps/rating.h"

namespace velmora::book {

enum class BookText {
    // In the PDF.
    DefaultTitle,
    SolutionsHeading,
    PageOf,      // {1} page, {2} pages
    Number,      // {1} the puzzle's number
    GridShape,   // {1} N, {2} box rows, {3} box columns
    LevelScore,  // {1} level, {2} score
    NoSolution,
    // Level names.
    Easy,
    Medium,
    Hard,
    Beyond,
    Invalid,
    // The book dialog.
    DialogTitle,
    BoxShapeLabel,
    DifficultyLabel,
    LevelLabel,
    AnyLevel,
    CountLabel,
    PerPageLabel,
    SolutionsBox,
    CandidatesBox,
    TitleLabel,
    PaperLabel,
    WriteButton,
    CancelButton,
    SaveTitle,
    PdfFilter,
    Making,   // {1} puzzle, {2} puzzles
    Writing,  // {1} page, {2} pages
    Written,  // {1} file
    // Refusals.
    CannotWrite,    // {1} file, {2} reason
    LevelGaveUp,    // {1} level, {2} attempts, {3} puzzle number
    CellsTooSmall,  // {1} count, {2} grid, {3} mm, {4} least mm, {5} choices
    NotOffered,     // {1} count, {2} grid, {3} choices
    Or,
};

// The text in `language` (1 German, 2 French, else English) with {k} replaced by args[k-1].
std::string bookText(BookText id, int language, std::initializer_list<std::string_view> args = {});

// The level's name in `language`.
std::string levelName(Level level, int language);

// "1, 2 or 4" in `language`.
std::string choiceList(const std::vector<int>& choices, int language);

}  // namespace velmora::book
