// Stand-ins for the grid's font names where the fonts themselves are missing.
#pragma once

namespace velmora::ui {

// Points "Comic Sans MS" and "tahoma" at plain, readable fonts of the system when these are not
// installed; the cells keep the names they were given.
void installFontSubstitutes();

}  // namespace velmora::ui
