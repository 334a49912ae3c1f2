#pragma once

#include <string_view>

namespace razzlewick {

// How data files are named: every file ending in ".dat" (in any case) is one, and the
// shipped words are in "insltdat.dat".
inline constexpr std::string_view kDataSuffix = ".dat";
inline constexpr std::string_view kDefaultDataFile = "insltdat.dat";

}  // namespace razzlewick
