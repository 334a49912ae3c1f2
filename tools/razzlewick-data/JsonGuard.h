#pragma once

#include <cstddef>
#include <string>
#include <string_view>

namespace razzlewick {

// Arrays and objects inside one another that a source may have; the format needs six.
inline constexpr std::size_t kDeepestNesting = 32;

// Refuses what the JSON parser would take silently or dearly, before it builds the document:
// nesting deeper than kDeepestNesting (a file of 62 MiB of "[" took gigabytes), a member named
// twice in one object (the parser keeps the last, so a second "styles" packed nothing), the
// character U+0000 in any string (no key, name, template or word holds it), and a number
// beyond what a number can be. Throws SourceError naming the file, line and column, quoting
// no more than a few characters of the source. Other syntax errors are left to the parser.
void GuardJsonSource(std::string_view text, const std::string& fileName);

}  // namespace razzlewick
