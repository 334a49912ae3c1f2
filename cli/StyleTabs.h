#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace razzlewick {

// The main window's style tabs, which the terminal and the data-files window follow as well:
// a tab's text is the key of the style it shows. The four tabs below always come first; every
// further style the data holds gets a tab after them. The styles of the two coarser tabs are
// withheld while the offensiveness level is 0; further styles never are. No toolkit here,
// so `razzlewick --print` can use it.
namespace StyleTabs {

inline constexpr int kCount = 4;
inline constexpr std::array<const char*, kCount> kNames = {"Arabian", "Shakespearean", "Modern",
                                                           "Mediterranean"};
// Tabs from this position up to the last of the four need an offensiveness level above 0.
inline constexpr int kFirstCoarse = 2;

// Whether the level withholds the tab at this position.
constexpr bool WithholdsPosition(int32_t level, std::size_t position)
{
    return level == 0 && position >= kFirstCoarse && position < kCount;
}

// Whether the level withholds the style of this key.
constexpr bool Withholds(int32_t level, std::string_view key)
{
    for (std::size_t tab = kFirstCoarse; tab < kCount; ++tab) {
        if (key == kNames[tab])
            return WithholdsPosition(level, tab);
    }
    return false;
}

// The tabs, in order, for the styles of these keys: the four above at positions 0 to 3
// whether or not the data holds them, then every other key in name order (ignoring the case
// of A to Z, then byte order).
std::vector<std::string> TabOrder(const std::vector<std::string>& styleKeys);

// The position the window opens on for the saved one: the saved position when there is a
// tab there, otherwise the first.
std::size_t SavedPosition(int32_t saved, std::size_t tabCount);

}  // namespace StyleTabs

}  // namespace razzlewick
