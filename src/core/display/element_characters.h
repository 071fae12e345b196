// The element characters the user may type into the box beside the grid (tbSelements).
#pragma once

#include <string>
#include <string_view>

namespace velmora {

struct ElementsCheck {
    bool accepted = false;
    std::string elements;  // Latin-1: the typed string upper-cased, or the old one
};

// Checks `typed` (UTF-8) against the current element string (Latin-1): only the number of
// characters counts. Accepted characters are kept as Latin-1 and raised to upper case; a
// character Latin-1 lacks, or a control character, becomes '?'.
ElementsCheck checkElements(std::string_view typed, const std::string& current);

// The box's complaint about a wrong length: the needed count, a blank and message 3.
std::string elementsNeededMessage(std::size_t needed, int language);

// The element (1..n) a typed character code stands for: its upper case's first place among the
// first n characters of `elements` (Latin-1); 0 for a code that is none of them.
int elementOfKey(const std::string& elements, int n, int keyAscii);

// The first n characters of the default element string.
std::string defaultElements(int n);

}  // namespace velmora
