#pragma once

#include <cstdint>
#include <string_view>

namespace razzlewick {

// The entries of the settings file that the main window and the options dialog share,
// with the values a first run starts from.
namespace SettingsKeys {

inline constexpr std::string_view kSection = "settings";

inline constexpr std::string_view kInsultCount = "num";
inline constexpr std::string_view kCapitalise = "caps";
inline constexpr std::string_view kAlwaysOnTop = "ontop";
inline constexpr std::string_view kLevel = "level";
inline constexpr std::string_view kTooltips = "tooltips";
// One entry under two spellings: keys match without regard to case, so a value written as
// "autocopy" is read back as "autoCopy".
inline constexpr std::string_view kAutoCopyRead = "autoCopy";
inline constexpr std::string_view kAutoCopyWritten = "autocopy";
inline constexpr std::string_view kTab = "tab";

inline constexpr int32_t kDefaultInsultCount = 1;
// The insults one batch may hold, wherever a count is set: the Preferences, `--print`, the
// data tool. The window would show a larger batch only after a long wait.
inline constexpr int32_t kMinimumInsultCount = 1;
inline constexpr int32_t kMaximumInsultCount = 500;
inline constexpr int32_t kDefaultCapitalise = 1;
inline constexpr int32_t kDefaultAlwaysOnTop = 0;
inline constexpr int32_t kDefaultLevel = 0;
inline constexpr int32_t kDefaultTooltips = 1;
inline constexpr int32_t kDefaultAutoCopy = 0;
inline constexpr int32_t kDefaultTab = 0;

}  // namespace SettingsKeys

}  // namespace razzlewick
