#include "settings/UserOptions.h"

#include "settings/ProfileFile.h"

namespace razzlewick {

UserOptions ReadUserOptions(const ProfileFile& settings)
{
    namespace K = SettingsKeys;
    UserOptions options;
    // The count is kept in 16 bits: a stored 40000 becomes a negative count and empty batches.
    options.count = static_cast<int16_t>(
        settings.ReadInteger(K::kSection, K::kInsultCount, K::kDefaultInsultCount));
    options.capitalise = settings.ReadInteger(K::kSection, K::kCapitalise, K::kDefaultCapitalise);
    options.alwaysOnTop =
        settings.ReadInteger(K::kSection, K::kAlwaysOnTop, K::kDefaultAlwaysOnTop);
    options.level = settings.ReadInteger(K::kSection, K::kLevel, K::kDefaultLevel);
    options.tooltips = settings.ReadInteger(K::kSection, K::kTooltips, K::kDefaultTooltips);
    options.autoCopy = settings.ReadInteger(K::kSection, K::kAutoCopyRead, K::kDefaultAutoCopy);
    return options;
}

void WriteUserOptions(const ProfileFile& settings, const UserOptions& options)
{
    namespace K = SettingsKeys;
    settings.WriteInteger(K::kSection, K::kInsultCount, options.count);
    settings.WriteInteger(K::kSection, K::kCapitalise, options.capitalise);
    settings.WriteInteger(K::kSection, K::kAlwaysOnTop, options.alwaysOnTop);
    settings.WriteInteger(K::kSection, K::kLevel, options.level);
    settings.WriteInteger(K::kSection, K::kTooltips, options.tooltips);
    settings.WriteInteger(K::kSection, K::kAutoCopyWritten, options.autoCopy);
}

}  // namespace razzlewick
