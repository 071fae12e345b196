// The size options and the element-characters box: what choosing a size or leaving the box
// does to the puzzle.
#pragma once

#include <string_view>

namespace velmora {

class Workbench;

// Size option `index` (0..9) was chosen: an empty puzzle of that size with its default
// element characters. While a file loads only the size is noted.
void optSize_Click(Workbench& wb, int index);

// The focus left the element-characters box holding `typed` (UTF-8).
void tbSelements_Validate(Workbench& wb, std::string_view typed);

}  // namespace velmora
