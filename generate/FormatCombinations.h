#pragma once

#include <cstdint>
#include <string>

namespace razzlewick {

// The label under the text box: "1,234,567 combinations available". A count that wrapped
// below zero (a product of list sizes past the signed 64-bit range) is shown as the unsigned
// 64-bit number it stands for, which stays exact up to 2^64 combinations. The largest signed
// count, where the count of a style built from shapes stops, reads "9,...,807+".
std::string FormatCombinations(int64_t count);

}  // namespace razzlewick
