// Character codes of the keys that keyboard entry treats specially.
#pragma once

namespace velmora {

inline constexpr int kKeyBackspace = 8;
inline constexpr int kKeyEnter = 13;
inline constexpr int kKeyEscape = 27;
inline constexpr int kKeySpace = 32;

}  // namespace velmora
