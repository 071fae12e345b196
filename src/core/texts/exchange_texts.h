// Texts of puzzles taken in from elsewhere: the names of a file's header fields, the question
// about a 12x12 puzzle's boxes, and the complaint about a clipboard without text.
#pragma once

#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace velmora {

// "Author: A. Writer - Level: hard", the header fields in their order, in `language` (0 English,
// 1 German, 2 French); empty when there are none.
std::string metadataLine(const std::vector<std::pair<std::string, std::string>>& fields,
                         int language);

// Asked when a 12x12 puzzle does not say its boxes: Yes for 3x4, No for 2x6.
std::string twelveQuestion(int language);

// Shown when Paste finds no text at all.
std::string nothingToPaste(int language);

}  // namespace velmora
