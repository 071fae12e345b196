// Colours as the program keeps them: 24-bit RGB in one number, 0x00BBGGRR.
#pragma once

#include <cstdint>

namespace velmora {

using Colour = std::uint32_t;

constexpr Colour rgb(int r, int g, int b) {
    return static_cast<Colour>(r) | (static_cast<Colour>(g) << 8) | (static_cast<Colour>(b) << 16);
}
constexpr int redOf(Colour c) {
    return static_cast<int>(c & 0xffu);
}
constexpr int greenOf(Colour c) {
    return static_cast<int>((c >> 8) & 0xffu);
}
constexpr int blueOf(Colour c) {
    return static_cast<int>((c >> 16) & 0xffu);
}

}  // namespace velmora
