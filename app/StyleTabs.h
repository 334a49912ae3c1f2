#pragma once

#include <array>
#include <cstdint>
#include <string_view>

namespace razzlewick {

// The main window's four style tabs, which the terminal output and the data-files window
// follow as well: a tab's text is the key of the style it shows, and the styles of the two
// coarser tabs are withheld while the offensiveness level is 0. Styles under other keys
// have no tab and are never withheld. No toolkit here, so `razzlewick --print` can use it.
namespace StyleTabs {

inline constexpr int kCount = 4;
inline constexpr std::array<const char*, kCount> kNames = {"Arabian", "Shakespearean", "Modern",
                                                           "Mediterranean"};
// Tabs from this position on need an offensiveness level above 0.
inline constexpr int kFirstCoarse = 2;
inline constexpr const char* kDisabledMessage =
    "This option is disabled until you raise the offensiveness level (use the \"Options\" menu)";

// Whether the level withholds the style of this key.
constexpr bool Withholds(int32_t level, std::string_view key)
{
    if (level != 0) {
        return false;
    }
    for (int tab = kFirstCoarse; tab < kCount; ++tab) {
        if (key == kNames[tab]) {
            return true;
        }
    }
    return false;
}

}  // namespace StyleTabs

}  // namespace razzlewick
