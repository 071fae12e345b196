// Counting set bits without the processor's own instruction: std::popcount compiled for the
// baseline x86-64 calls a library function, far slower than these few operations.
#pragma once

#include <cstdint>

namespace velmora::exact_detail {

constexpr int bitCount(std::uint64_t x) {
    x -= x >> 1 & 0x5555555555555555u;
    x = (x & 0x3333333333333333u) + (x >> 2 & 0x3333333333333333u);
    x = (x + (x >> 4)) & 0x0F0F0F0F0F0F0F0Fu;
    return static_cast<int>((x * 0x0101010101010101u) >> 56);
}

}  // namespace velmora::exact_detail
