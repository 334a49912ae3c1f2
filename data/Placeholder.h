#pragma once

#include <cstddef>
#include <optional>
#include <string_view>

namespace razzlewick {

// What a placeholder is made of; filling one in replaces nothing else.
inline bool IsPlaceholderCharacter(char c)
{
    return c == '%' || (c >= '0' && c <= '9');
}

// A placeholder as the composer reads it: the number of the list that fills it and the
// length of its text, the percent sign included.
struct Placeholder {
    size_t number;
    size_t length;
};

// The placeholder that the percent sign at `at` in `text` holds for the lists `from` to
// `limit`-1, if any. The digits after a percent sign hold the placeholder of every leading
// part of them ("%123" holds %1, %12 and %123) except those with a leading zero, which no
// number is written with; the smallest in range is the one filled first. The composer, the
// combination count and the data tool's checks all read placeholders through this, so they
// cannot disagree.
inline std::optional<Placeholder> PlaceholderAt(std::string_view text, size_t at, size_t from,
                                                size_t limit)
{
    size_t number = 0;
    for (size_t i = at + 1; i < text.size() && text[i] >= '0' && text[i] <= '9'; ++i) {
        number = number * 10 + static_cast<size_t>(text[i] - '0');
        if (number >= limit) {
            return std::nullopt;
        }
        if (number >= from) {
            return Placeholder{number, i + 1 - at};
        }
        if (number == 0) {
            return std::nullopt;
        }
    }
    return std::nullopt;
}

// The smallest number k, from <= k < limit, whose placeholder "%k" occurs in text, or limit
// when there is none.
inline size_t NextPlaceholder(std::string_view text, size_t from, size_t limit)
{
    size_t found = limit;
    for (size_t at = text.find('%'); at != std::string_view::npos; at = text.find('%', at + 1)) {
        if (const std::optional<Placeholder> placeholder = PlaceholderAt(text, at, from, found)) {
            found = placeholder->number;
        }
    }
    return found;
}

}  // namespace razzlewick
