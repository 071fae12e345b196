// The element characters the user may type into the box beside the grid (tbSelements).
#pragma once

#include <string>
#include <string_view>

namespace velmora {

struct ElementsCheck {
    bool accepted = false;
    std::string elements;  // the element string to keep: the typed one upper-cased, or the old
};

// Checks `typed` (UTF-8) against the current element string: only the number of characters
// counts. Accepted characters are raised to upper case; a character outside printable ASCII,
// which the grid could not show in one cell of the one-byte element string, becomes '?'.
ElementsCheck checkElements(std::string_view typed, const std::string& current);

// The box's complaint about a wrong length: the needed count, a blank and message 3.
std::string elementsNeededMessage(std::size_t needed, int language);

// The first n characters of the default element string.
std::string defaultElements(int n);

}  // namespace velmora
