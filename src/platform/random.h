// The game's one random generator: a 32-bit state that is also the seed a
// saved game stores, so setting the seed read back continues the sequence.
#pragma once

#include <cstdint>

namespace plat {
// Sets the generator's state / reads it back.
void seed_random(uint32_t seed);
uint32_t random_seed();
}  // namespace plat

// Integer uniformly drawn from a to b inclusive (either order).
int Rand(int a, int b);
