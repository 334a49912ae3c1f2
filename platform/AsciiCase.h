#pragma once

#include <cstddef>
#include <string_view>

namespace razzlewick::platform {

// Case folding of A-Z alone. File names, settings keys and word lists compare this way
// whatever the locale says, so "DATA.DAT" and "data.dat" match on every machine.

constexpr char FoldAsciiCase(char c)
{
    return (c >= 'A' && c <= 'Z') ? static_cast<char>(c + ('a' - 'A')) : c;
}

constexpr bool EqualsIgnoringAsciiCase(std::string_view a, std::string_view b)
{
    if (a.size() != b.size()) {
        return false;
    }
    for (std::size_t i = 0; i < a.size(); ++i) {
        if (FoldAsciiCase(a[i]) != FoldAsciiCase(b[i])) {
            return false;
        }
    }
    return true;
}

constexpr bool EndsWithIgnoringAsciiCase(std::string_view text, std::string_view suffix)
{
    return text.size() >= suffix.size() &&
           EqualsIgnoringAsciiCase(text.substr(text.size() - suffix.size()), suffix);
}

}  // namespace razzlewick::platform
