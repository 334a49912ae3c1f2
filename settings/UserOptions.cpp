#include "settings/UserOptions.h"

#include "settings/ProfileFile.h"

namespace razzlewick {

UserOptions ReadUserOptions(const ProfileFile& settings)
{
    namespace K = SettingsKeys;
    UserOptions options;
    // The count is kept in 16 bits: a stored 40000 becomes a negative count and empty batches.
    options.count = static_cast<int16_t>(
        settings.ReadInteger(K::section, K::insultCount, K::defaultInsultCount));
    options.capitalise = settings.ReadInteger(K::section, K::capitalise, K::defaultCapitalise);
    options.alwaysOnTop = settings.ReadInteger(K::section, K::alwaysOnTop, K::defaultAlwaysOnTop);
    options.level = settings.ReadInteger(K::section, K::level, K::defaultLevel);
    options.tooltips = settings.ReadInteger(K::section, K::tooltips, K::defaultTooltips);
    options.autoCopy = settings.ReadInteger(K::section, K::autoCopyRead, K::defaultAutoCopy);
    return options;
}

void WriteUserOptions(const ProfileFile& settings, const UserOptions& options)
{
    namespace K = SettingsKeys;
    settings.WriteInteger(K::section, K::insultCount, options.count);
    settings.WriteInteger(K::section, K::capitalise, options.capitalise);
    settings.WriteInteger(K::section, K::alwaysOnTop, options.alwaysOnTop);
    settings.WriteInteger(K::section, K::level, options.level);
    settings.WriteInteger(K::section, K::tooltips, options.tooltips);
    settings.WriteInteger(K::section, K::autoCopyWritten, options.autoCopy);
}

}  // namespace razzlewick
