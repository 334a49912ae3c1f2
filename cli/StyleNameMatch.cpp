#include "cli/StyleNameMatch.h"

#include "cli/StyleListing.h"
#include "cli/TerminalText.h"
#include "data/InsultGenerator.h"
#include "data/Windows1252.h"

#include <algorithm>
#include <string_view>

namespace razzlewick {

namespace {

bool EqualsIgnoringLetterCase(std::string_view a, std::string_view b)
{
    return std::equal(a.begin(), a.end(), b.begin(), b.end(), [](char x, char y) {
        return FoldWindows1252Case(x) == FoldWindows1252Case(y);
    });
}

}  // namespace

std::vector<std::string> StyleKeysMatching(const InsultGenerator& engine, const std::string& typed)
{
    const Utf8ToWindows1252Result key = Utf8ToWindows1252(typed);
    if (!key.ok || key.text.empty())
        return {};
    if (engine.Styles().contains(key.text))
        return {key.text};
    std::vector<std::string> matches;
    for (const auto& [styleKey, style] : engine.Styles()) {
        if (EqualsIgnoringLetterCase(styleKey, key.text) ||
            EqualsIgnoringLetterCase(style.Name(), key.text))
            matches.push_back(styleKey);
    }
    return matches;
}

std::string StyleMatchProblem(const InsultGenerator& engine, const std::string& typed,
                              const std::vector<std::string>& matches)
{
    if (matches.empty())
        return "no style \"" + typed + "\"; the styles are: " + StyleList(engine);
    std::string candidates;
    for (const std::string& key : matches)
        candidates +=
            (candidates.empty() ? "" : ", ") + TerminalTextFrom1252(key, Separators::Escape);
    return "\"" + typed + "\" could be more than one style: " + candidates +
           "; give the key as it is written";
}

}  // namespace razzlewick
