// The game's one random generator: a 32-bit state that is also the seed a
// saved game stores, so setting the seed read back continues the sequence.
#pragma once

#include <cstdint>

void SeedRnd(uint32_t seed);
uint32_t RndSeed();
// Integer uniformly drawn from a to b inclusive (either order).
int Rand(int a, int b);
