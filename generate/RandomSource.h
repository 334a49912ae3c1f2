#pragma once

#include <cstdint>

namespace razzlewick {

// The one random source of the program, shared by every style: a 32-bit linear congruential
// generator whose draws are 0 to 32767. Seeded by the main window; tests seed it to get
// known words.

inline constexpr uint32_t kRandomMultiplier = 214013u;
inline constexpr uint32_t kRandomIncrement = 2531011u;

// The state one draw moves the source on to from `state`; the draw is (that >> 16) & 0x7FFF.
constexpr uint32_t NextRandomState(uint32_t state)
{
    return state * kRandomMultiplier + kRandomIncrement;
}

void SeedRandom(uint32_t seed);
int32_t DrawRandom();
// Moves the source on as `draws` draws would, in time that grows with log(draws) only.
void SkipRandom(uint64_t draws);

}  // namespace razzlewick
