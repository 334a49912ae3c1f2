#pragma once

#include "settings/SettingsKeys.h"

#include <cstdint>

namespace razzlewick {

class ProfileFile;
class ProfileSnapshot;

// The six preferences that the main window reads at start and the options dialog edits, as
// the settings file keeps them. Only the count is narrowed; the switches keep whatever integer
// was stored, and each reader decides what counts as on.
struct UserOptions final {
    int16_t count = SettingsKeys::kDefaultInsultCount;
    int32_t capitalise = SettingsKeys::kDefaultCapitalise;
    int32_t alwaysOnTop = SettingsKeys::kDefaultAlwaysOnTop;
    int32_t level = SettingsKeys::kDefaultLevel;
    int32_t tooltips = SettingsKeys::kDefaultTooltips;
    int32_t autoCopy = SettingsKeys::kDefaultAutoCopy;
};

// Each value from the settings section, or its first-run default.
UserOptions ReadUserOptions(const ProfileSnapshot& settings);
// The same from one reading of the file.
UserOptions ReadUserOptions(const ProfileFile& settings);

// Writes the six values in a fixed order (count, capitalise, always on top, level, tooltips,
// auto copy), the last under its lower-case name, in one replacement of the file.
void WriteUserOptions(const ProfileFile& settings, const UserOptions& options);

}  // namespace razzlewick
