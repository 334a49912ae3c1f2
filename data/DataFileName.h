#pragma once

#include <string_view>

namespace razzlewick {

// How data files are named: every file ending in ".dat" (in any case) is one, and the
// shipped words are in "insltdat.dat".
inline constexpr std::string_view kDataSuffix = ".dat";
inline constexpr std::string_view kDefaultDataFile = "insltdat.dat";
// The first four bytes of every data file: its version, 3.2 as a little-endian float.
inline constexpr std::string_view kDataFileStart = "\xCD\xCC\x4C\x40";

}  // namespace razzlewick
