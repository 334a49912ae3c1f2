#pragma once

#include <algorithm>
#include <array>
#include <cstddef>

namespace razzlewick {

// Joins character array constants at compile time into one null-terminated array, so that
// texts sharing a paragraph keep it in one place and are still plain constants.
template <std::size_t... N>
constexpr auto JoinText(const char (&... parts)[N])
{
    std::array<char, (N + ...) - sizeof...(N) + 1> joined{};
    std::size_t at = 0;
    ((std::copy_n(parts, N - 1, joined.begin() + at), at += N - 1), ...);
    return joined;
}

}  // namespace razzlewick
