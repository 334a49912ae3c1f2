#pragma once

#include <string>
#include <string_view>

namespace razzlewick::clipkeeper {

// The STRING form of a UTF-8 text, for programs that ask for Latin-1.
struct Latin1Text final {
    std::string bytes;  // a character outside Latin-1, or a broken sequence, becomes '?'
    bool exact = true;  // false when anything had to become '?'
};

Latin1Text Utf8ToLatin1(std::string_view utf8);

}  // namespace razzlewick::clipkeeper
