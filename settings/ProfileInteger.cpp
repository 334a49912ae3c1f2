#include "settings/ProfileInteger.h"

#include <algorithm>
#include <limits>

namespace razzlewick {

int32_t ParseProfileInteger(std::string_view text)
{
    size_t i = 0;
    while (i < text.size() && (text[i] == ' ' || (text[i] >= '\t' && text[i] <= '\r'))) {
        ++i;
    }
    bool negative = false;
    if (i < text.size() && (text[i] == '+' || text[i] == '-')) {
        negative = text[i] == '-';
        ++i;
    }
    // Magnitude kept in 64 bits and capped just past the 32-bit range, so no digit count can
    // overflow it.
    constexpr int64_t kCap = int64_t{std::numeric_limits<int32_t>::max()} + 1;
    int64_t magnitude = 0;
    for (; i < text.size() && text[i] >= '0' && text[i] <= '9'; ++i) {
        magnitude = std::min(kCap, magnitude * 10 + (text[i] - '0'));
    }
    const int64_t signedValue = negative ? -magnitude : magnitude;
    return static_cast<int32_t>(std::clamp<int64_t>(
        signedValue, std::numeric_limits<int32_t>::min(), std::numeric_limits<int32_t>::max()));
}

std::string FormatProfileInteger(int32_t value, int radix)
{
    if (radix < 2 || radix > 36) {
        radix = 10;
    }
    constexpr std::string_view kDigits = "0123456789abcdefghijklmnopqrstuvwxyz";
    // Widened first: the magnitude of INT32_MIN does not fit in 32 bits.
    int64_t magnitude = value < 0 ? -int64_t{value} : int64_t{value};
    std::string text;
    do {
        text.push_back(kDigits[static_cast<size_t>(magnitude % radix)]);
        magnitude /= radix;
    } while (magnitude > 0);
    if (value < 0) {
        text.push_back('-');
    }
    std::reverse(text.begin(), text.end());
    return text;
}

}  // namespace razzlewick
