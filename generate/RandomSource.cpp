#include "generate/RandomSource.h"

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
    state = state * 214013u + 2531011u;
    return static_cast<int32_t>((state >> 16) & 0x7FFFu);
}
