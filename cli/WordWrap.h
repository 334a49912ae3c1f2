#pragma once

#include <cstddef>
#include <string>
#include <string_view>

namespace razzlewick {

// Lines of UTF-8 text broken at spaces so that none is wider than `width` characters, for a
// terminal that would otherwise cut a word in two at its edge. A line that goes on is
// indented by two spaces, so each insult's start stays plain in a batch. A word wider than
// the line is left whole on a line of its own. Each line of `text` ends in '\n'.
std::string WrapLines(std::string_view text, std::size_t width);

}  // namespace razzlewick
