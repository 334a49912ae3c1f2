#include "generate/RandomSource.h"

namespace razzlewick {

namespace {

// Process-wide on purpose: every style draws from the same sequence, in the order the user
// generates, so one seed fixes everything that follows.
uint32_t state = 1;

}  // namespace

void SeedRandom(uint32_t seed)
{
    state = seed;
}

int32_t DrawRandom()
{
    state = NextRandomState(state);
    return static_cast<int32_t>((state >> 16) & 0x7FFFu);
}

void SkipRandom(uint64_t draws)
{
    // One draw is the map x -> a*x + c; n draws are that map composed n times, built up by
    // squaring it (a^2*x + (a+1)*c) and applying the powers that n's bits select.
    uint32_t multiplier = kRandomMultiplier;
    uint32_t increment = kRandomIncrement;
    uint32_t totalMultiplier = 1;
    uint32_t totalIncrement = 0;
    for (; draws != 0; draws >>= 1) {
        if ((draws & 1u) != 0) {
            totalMultiplier *= multiplier;
            totalIncrement = totalIncrement * multiplier + increment;
        }
        increment *= multiplier + 1;
        multiplier *= multiplier;
    }
    state = state * totalMultiplier + totalIncrement;
}

}  // namespace razzlewick
