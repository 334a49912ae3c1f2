#pragma once

#include <cstddef>

namespace razzlewick::platform {

// Fills `size` bytes from the system's entropy pool (getrandom). False when the system
// cannot give them, which only a kernel older than 3.17 or a seccomp filter would cause.
bool ReadEntropy(void* buffer, std::size_t size);

}  // namespace razzlewick::platform
