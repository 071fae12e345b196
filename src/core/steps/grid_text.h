// A puzzle written as one line of element characters, row by row, '.' for an open cell.
#pragma once

#include <optional>
#include <string_view>
#include <vector>

#include "model/box_shape.h"

namespace velmora {

// The element numbers (1..N, 0 open) of `text`, or nothing when it does not hold exactly N*N
// cells or holds a character that is neither '.' nor one of the first N of `elements` (empty:
// the default elements).
std::optional<std::vector<int>> parseGrid(std::string_view text, BoxShape shape,
                                          std::string_view elements = {});

}  // namespace velmora
