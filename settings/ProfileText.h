#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace razzlewick {

// The initialisation-file format on its own, without files: finding a key's value in the
// text and changing one value while every other byte stays as it was.
//
// A section starts at a line whose first non-blank character is '[' and runs to the next
// such line; its name is the text up to the first ']', blanks trimmed. Within it, a line with
// '=' is an entry: key before, value after, blanks around both ignored and one pair of
// matching quotes around the value removed. Names match without regard to ASCII case. Every
// other line (comments, garbage, text before the first section) is kept and never matched.
// When a section or key occurs more than once, the first occurrence in the file counts.

// The value of the key, or nothing when the section or key is missing.
std::optional<std::string> FindProfileValue(std::string_view text, std::string_view section,
                                            std::string_view key);

// The text with the key's value replaced by value, or with the entry (and its section when
// needed) added. Added lines use the text's own line ending.
std::string SetProfileValue(std::string_view text, std::string_view section, std::string_view key,
                            std::string_view value);

}  // namespace razzlewick
