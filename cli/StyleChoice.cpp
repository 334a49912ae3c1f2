#include "cli/StyleChoice.h"

#include "cli/StyleListing.h"
#include "cli/StyleNameMatch.h"
#include "cli/StyleTabs.h"
#include "cli/TerminalText.h"
#include "data/InsultGenerator.h"
#include "generate/RandomSource.h"
#include "platform/AsciiCase.h"
#include "settings/ProfileSnapshot.h"
#include "settings/SettingsKeys.h"

#include <optional>
#include <string_view>
#include <vector>

namespace razzlewick {

namespace {

constexpr std::string_view kRandomStyle = "random";

// One of the styles the level allows, chosen by the seed without drawing from the random
// source, so "--style random --seed N" prints what the chosen style prints for that seed.
std::optional<std::string> PickStyle(const InsultGenerator& engine, int32_t level, uint32_t seed)
{
    std::vector<std::string> allowed;
    for (const auto& entry : engine.Styles()) {
        if (!StyleTabs::Withholds(level, entry.first))
            allowed.push_back(entry.first);
    }
    if (allowed.empty())
        return std::nullopt;
    const uint32_t mixed = NextRandomState(seed) >> 16;
    return allowed[mixed % allowed.size()];
}

// The style of the tab the window opens on, by the window's own rule.
std::string LastTabStyle(const InsultGenerator& engine, const ProfileSnapshot& settings)
{
    const std::vector<std::string> tabs = StyleTabs::TabOrder(StyleKeys(engine));
    const int32_t saved =
        settings.ReadInteger(SettingsKeys::kSection, SettingsKeys::kTab, SettingsKeys::kDefaultTab);
    return tabs[StyleTabs::SavedPosition(saved, tabs.size())];
}

// The first tab's style the level allows, for a saved tab it withholds: a look at a coarse
// tab in the window must not leave every later shell line without insults.
std::optional<std::string> FirstAllowedStyle(const InsultGenerator& engine, int32_t level)
{
    for (const std::string& key : StyleTabs::TabOrder(StyleKeys(engine))) {
        if (engine.Styles().contains(key) && !StyleTabs::Withholds(level, key))
            return key;
    }
    return std::nullopt;
}

}  // namespace

StyleChoice ChooseStyle(const InsultGenerator& engine, const std::string& name, int32_t level,
                        uint32_t seed, const ProfileSnapshot& settings, bool verbose,
                        std::ostream& err)
{
    std::string key;
    if (name.empty()) {
        key = LastTabStyle(engine, settings);
        if (!engine.Styles().contains(key)) {
            err << "razzlewick: no style \"" << TerminalTextFrom1252(key, Separators::Escape)
                << "\"; the styles are: " << StyleList(engine) << '\n';
            return {.key = {}, .failure = 2};
        }
        if (StyleTabs::Withholds(level, key)) {
            if (const std::optional<std::string> allowed = FirstAllowedStyle(engine, level)) {
                if (verbose) {
                    err << "razzlewick: printing "
                        << TerminalTextFrom1252(*allowed, Separators::Escape)
                        << ": the saved tab's " << TerminalTextFrom1252(key, Separators::Escape)
                        << " is withheld at offensiveness level 0\n";
                }
                key = *allowed;
            }
        }
    } else if (platform::EqualsIgnoringAsciiCase(name, kRandomStyle)) {
        const std::optional<std::string> picked = PickStyle(engine, level, seed);
        if (!picked) {
            err << "razzlewick: every style is withheld at offensiveness level 0: add --level 1, "
                   "or raise the level in Preferences\n";
            return {.key = {}, .failure = 1};
        }
        key = *picked;
        if (verbose)
            err << "razzlewick: random chose " << TerminalTextFrom1252(key, Separators::Escape)
                << '\n';
    } else {
        const std::vector<std::string> matches = StyleKeysMatching(engine, name);
        if (matches.size() != 1) {
            err << "razzlewick: " << StyleMatchProblem(engine, name, matches) << '\n';
            return {.key = {}, .failure = 2};
        }
        key = matches.front();
    }
    if (StyleTabs::Withholds(level, key)) {
        err << "razzlewick: " << TerminalTextFrom1252(key, Separators::Escape)
            << " is withheld at offensiveness level 0: add --level 1, or raise the level in "
               "Preferences\n";
        return {.key = {}, .failure = 1};
    }
    return {.key = key, .failure = 0};
}

}  // namespace razzlewick
