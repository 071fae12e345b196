// Loops of a fixed short length written out at compile time: -O2 does not unroll, and the exit of
// a short loop is a branch the processor often mispredicts.
#pragma once

#include <type_traits>
#include <utility>

namespace velmora::exact_detail {

// Calls f(std::integral_constant<int, I>{}) for I = 0..N-1, in order.
template <int N, typename F>
inline void unrolled(F&& f) {
    [&]<int... I>(std::integer_sequence<int, I...>) {
        (f(std::integral_constant<int, I>{}), ...);
    }
    (std::make_integer_sequence<int, N>{});
}

}  // namespace velmora::exact_detail
