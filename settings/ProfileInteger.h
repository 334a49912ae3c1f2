#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace razzlewick {

// Integer text as the settings file holds it.

// Leading white space and one sign are allowed; conversion stops at the first non-digit, and
// text without leading digits gives 0. A number beyond the 32-bit range reads as the nearest
// value that fits (INT32_MAX or INT32_MIN) instead of wrapping to a number of the other sign.
int32_t ParseProfileInteger(std::string_view text);

// value in the given radix (2 to 36, lower-case digits; anything else means 10), with a
// leading minus sign when negative.
std::string FormatProfileInteger(int32_t value, int radix = 10);

}  // namespace razzlewick
