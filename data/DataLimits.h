#pragma once

#include <cstddef>

namespace razzlewick {

// How much of one value of a data file the engine takes in. A longer key, name, template or
// stored word makes the file unreadable from there, before any of its text is read: no
// sparse file can make the engine read or hold a gigabyte for one string.

// A style's key, name and template, in characters: far more than a tab or an insult shows.
inline constexpr size_t kLongestText = 65535;
// A stored (scrambled and escaped) word, in bytes: the most the data file format holds.
inline constexpr size_t kLongestStoredWord = 32766;
// A plain word is cut to this many characters when read: no insult holds more.
inline constexpr size_t kLongestWord = 4096;

}  // namespace razzlewick
