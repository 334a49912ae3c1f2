#pragma once

#include <string>
#include <string_view>

namespace razzlewick {

// A text in double quotes for a message, shown as a terminal shows text (TerminalText) with
// its tabs and line breaks escaped too, so that a finding about a word with a line break in
// it stays on one line.
std::string QuotedUtf8(std::string_view utf8);
// The same for engine text (Windows-1252).
std::string Quoted(std::string_view windows1252);

}  // namespace razzlewick
