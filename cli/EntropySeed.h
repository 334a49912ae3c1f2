#pragma once

#include <cstdint>

namespace razzlewick {

// A seed for the random source that differs from run to run, even many runs in one second:
// from the system's entropy, or failing that from the clock's nanoseconds.
uint32_t EntropySeed();

}  // namespace razzlewick
