// The program's one source of randomness. Seeded for repeatable runs (tests, the command line's
// --seed) or once from the clock; never reseeded, so the orders drawn one after another differ.
#pragma once

#include <cstdint>

namespace velmora {

class Random {
  public:
    explicit Random(std::uint64_t seed) { reseed(seed); }
    // A generator seeded from the clock and the address space, for runs without a seed.
    static std::uint64_t clockSeed();

    void reseed(std::uint64_t seed);
    // xoshiro256**: fast, small state, good statistical quality. Inline: grids draw thousands.
    std::uint64_t next() {
        const std::uint64_t result = rotl(s_[1] * 5, 7) * 9;
        const std::uint64_t t = s_[1] << 17;
        s_[2] ^= s_[0];
        s_[3] ^= s_[1];
        s_[1] ^= s_[2];
        s_[0] ^= s_[3];
        s_[2] ^= t;
        s_[3] = rotl(s_[3], 45);
        return result;
    }
    // A uniform real in [0, 1).
    double uniform() { return static_cast<double>(next() >> 11) * 0x1.0p-53; }
    // floor(uniform() * n): a uniform integer in [0, n).
    int below(int n) { return static_cast<int>(uniform() * n); }

  private:
    static std::uint64_t rotl(std::uint64_t x, int k) { return (x << k) | (x >> (64 - k)); }

    std::uint64_t s_[4]{};
};

}  // namespace velmora
