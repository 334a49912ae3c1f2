#pragma once

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

namespace razzlewick {

// What a writer most likely mistyped around placeholders: a "%" that starts none ("%l3",
// "% 3", "%O", the first of "%%3", the last of "%3%"), which the insult shows as typed,
// except after a number ("100%"); and a placeholder glued to a letter or digit ("%3a"),
// which runs its word and the next one together.
struct PlaceholderTypo final {
    std::size_t offset = 0;     // of the "%", from 0
    std::string what;           // the typo quoted, with its character number and what it does
    bool shownAsTyped = false;  // a stray "%", which the insult shows; not a glued one
};

std::vector<PlaceholderTypo> PlaceholderTypos(std::string_view text);

}  // namespace razzlewick
