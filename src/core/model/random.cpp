#include "model/random.h"

#include <chrono>

namespace velmora {

namespace {
std::uint64_t splitmix64(std::uint64_t& x) {
    std::uint64_t z = (x += 0x9e3779b97f4a7c15ULL);
    z = (z ^ (z >> 30)) * 0xbf58476d1ce4e5b9ULL;
    z = (z ^ (z >> 27)) * 0x94d049bb133111ebULL;
    return z ^ (z >> 31);
}
}  // namespace

std::uint64_t Random::clockSeed() {
    static int anchor = 0;
    auto now = std::chrono::high_resolution_clock::now().time_since_epoch().count();
    return static_cast<std::uint64_t>(now) ^ reinterpret_cast<std::uintptr_t>(&anchor);
}

void Random::reseed(std::uint64_t seed) {
    for (auto& word : s_)
        word = splitmix64(seed);
}

}  // namespace velmora
