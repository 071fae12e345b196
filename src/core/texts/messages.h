// The numbered status-bar and message-box texts, in English and German.
#pragma once

#include <string>

namespace velmora {

// Valid message numbers are 0 .. kMessageCount - 1.
inline constexpr int kMessageCount = 22;

// The text of message `number` in `language` (1 German; every other value, French included,
// English). A number outside the catalogue gives the empty string.
std::string getMessage(int number, int language);

}  // namespace velmora
