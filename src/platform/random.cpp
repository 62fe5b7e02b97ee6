#include "platform/random.h"

namespace {
uint32_t rngstate = 0x907u;

// One step of a full-period 32-bit LCG, then a xorshift-multiply mix of the
// new state so that low bits are as good as high bits.
uint32_t next_value() {
  rngstate = rngstate * 1664525u + 1013904223u;
  uint32_t x = rngstate;
  x ^= x >> 16;
  x *= 0x7feb352du;
  x ^= x >> 15;
  x *= 0x846ca68bu;
  x ^= x >> 16;
  return x;
}
}  // namespace

namespace plat {
void seed_random(uint32_t seed) { rngstate = seed; }
uint32_t random_seed() { return rngstate; }
}  // namespace plat

int Rand(int a, int b) {
  if (a > b) { int t = a; a = b; b = t; }
  uint64_t range = static_cast<uint64_t>(static_cast<int64_t>(b) - a) + 1;
  uint64_t pick = (static_cast<uint64_t>(next_value()) * range) >> 32;
  return static_cast<int>(a + static_cast<int64_t>(pick));
}
