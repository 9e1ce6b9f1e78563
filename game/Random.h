// The one random generator of the program: a 32-bit linear congruential generator.
#pragma once

#include <cstdint>

namespace durak {

class IClock;

class TRandom {
 public:
  uint32_t Seed = 0;

  // seed := seed * 134775813 + 1 (mod 2^32).
  void Advance() { Seed = Seed * 134775813u + 1u; }
  // A draw in 0..n-1: advance, then the upper 32 bits of the 64-bit product seed * n.
  uint32_t Draw(uint32_t n) {
    Advance();
    return static_cast<uint32_t>((static_cast<uint64_t>(Seed) * n) >> 32);
  }
  // Reseed from the time of day in milliseconds.
  void Reseed(IClock& clock);
};

}  // namespace durak
