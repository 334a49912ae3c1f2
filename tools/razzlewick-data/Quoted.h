#pragma once

#include <string>
#include <string_view>

namespace razzlewick {

// A text in double quotes for a message: UTF-8, with control characters written as \t, \r,
// \n or \xNN, so that a finding about a word with a line break in it stays on one line.
std::string QuotedUtf8(std::string_view utf8);
// The same for engine text (Windows-1252).
std::string Quoted(std::string_view windows1252);

}  // namespace razzlewick
