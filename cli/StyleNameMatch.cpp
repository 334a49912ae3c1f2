#include "cli/StyleNameMatch.h"

#include "data/InsultGenerator.h"
#include "data/Windows1252.h"
#include "platform/AsciiCase.h"

namespace razzlewick {

std::vector<std::string> StyleKeysMatching(const InsultGenerator& engine, const std::string& typed)
{
    const Utf8ToWindows1252Result key = Utf8ToWindows1252(typed);
    if (!key.ok)
        return {};
    if (engine.Styles().contains(key.text))
        return {key.text};
    std::vector<std::string> matches;
    for (const auto& entry : engine.Styles()) {
        if (platform::EqualsIgnoringAsciiCase(entry.first, key.text))
            matches.push_back(entry.first);
    }
    return matches;
}

}  // namespace razzlewick
