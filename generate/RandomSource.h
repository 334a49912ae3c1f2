#pragma once

#include <cstdint>

namespace razzlewick {

// The one random source of the program, shared by every style: a 32-bit linear congruential
// generator whose draws are 0 to 32767. Seeded by the main window; tests seed it to get
// known words.
void SeedRandom(uint32_t seed);
int32_t DrawRandom();
// Moves the source on as `draws` draws would, in time that grows with log(draws) only.
void SkipRandom(uint64_t draws);

}  // namespace razzlewick
