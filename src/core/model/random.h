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
    std::uint64_t next();
    // A uniform real in [0, 1).
    double uniform() { return static_cast<double>(next() >> 11) * 0x1.0p-53; }
    // floor(uniform() * n): a uniform integer in [0, n).
    int below(int n) { return static_cast<int>(uniform() * n); }

  private:
    std::uint64_t s_[4]{};
};

}  // namespace velmora
