#include "cli/EntropySeed.h"

#include "platform/EntropyBytes.h"

#include <chrono>

namespace razzlewick {

uint32_t EntropySeed()
{
    uint32_t seed = 0;
    if (platform::ReadEntropy(&seed, sizeof seed))
        return seed;
    const auto ticks =
        static_cast<uint64_t>(std::chrono::high_resolution_clock::now().time_since_epoch().count());
    return static_cast<uint32_t>(ticks ^ (ticks >> 32));
}

}  // namespace razzlewick
