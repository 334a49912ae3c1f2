#include "generate/FormatCombinations.h"

#include <cstdio>
#include <limits>

namespace razzlewick {

std::string FormatCombinations(int64_t count)
{
    uint64_t remaining = static_cast<uint64_t>(count);
    std::string suffix;
    char group[8];
    while (remaining >= 1000) {
        std::snprintf(group, sizeof group, ",%03u", static_cast<unsigned>(remaining % 1000));
        suffix.insert(0, group);
        remaining /= 1000;
    }
    // A count of shapes saturates here; the product of list sizes is this or more as well.
    if (count == std::numeric_limits<int64_t>::max()) {
        suffix += '+';
    }
    return std::to_string(remaining) + suffix + " combinations available";
}

}  // namespace razzlewick
