#pragma once

#include <cstdint>
#include <string_view>

namespace razzlewick {

// The entries of the settings file that the main window and the options dialog share,
// with the values a first run starts from.
namespace SettingsKeys {

inline constexpr std::string_view section = "settings";

inline constexpr std::string_view insultCount = "num";
inline constexpr std::string_view capitalise = "caps";
inline constexpr std::string_view alwaysOnTop = "ontop";
inline constexpr std::string_view level = "level";
inline constexpr std::string_view tooltips = "tooltips";
// One entry under two spellings: keys match without regard to case, so a value written as
// "autocopy" is read back as "autoCopy".
inline constexpr std::string_view autoCopyRead = "autoCopy";
inline constexpr std::string_view autoCopyWritten = "autocopy";
inline constexpr std::string_view tab = "tab";

inline constexpr int32_t defaultInsultCount = 1;
inline constexpr int32_t defaultCapitalise = 1;
inline constexpr int32_t defaultAlwaysOnTop = 0;
inline constexpr int32_t defaultLevel = 0;
inline constexpr int32_t defaultTooltips = 1;
inline constexpr int32_t defaultAutoCopy = 0;
inline constexpr int32_t defaultTab = 0;

}  // namespace SettingsKeys

}  // namespace razzlewick
