#include "settings/UserOptions.h"

#include "settings/ProfileFile.h"
#include "settings/ProfileSnapshot.h"

namespace razzlewick {

UserOptions ReadUserOptions(const ProfileFile& settings)
{
    return ReadUserOptions(settings.Read());
}

UserOptions ReadUserOptions(const ProfileSnapshot& settings)
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
    const ProfileEntry entries[] = {
        {K::kInsultCount, options.count},       {K::kCapitalise, options.capitalise},
        {K::kAlwaysOnTop, options.alwaysOnTop}, {K::kLevel, options.level},
        {K::kTooltips, options.tooltips},       {K::kAutoCopyWritten, options.autoCopy}};
    settings.WriteIntegers(K::kSection, entries);
}

}  // namespace razzlewick
