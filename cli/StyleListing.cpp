#include "cli/StyleListing.h"

#include "cli/StyleTabs.h"
#include "data/InsultGenerator.h"
#include "data/Windows1252.h"
#include "generate/FormatCombinations.h"

namespace razzlewick {

std::vector<std::string> StyleKeys(const InsultGenerator& engine)
{
    std::vector<std::string> keys;
    for (const auto& entry : engine.styles)
        keys.push_back(entry.first);
    return keys;
}

std::string StyleList(const InsultGenerator& engine)
{
    std::string list;
    for (const auto& entry : engine.styles)
        list += (list.empty() ? "" : ", ") + Windows1252ToUtf8(entry.first);
    return list.empty() ? "none" : list;
}

std::string StyleLines(const InsultGenerator& engine, bool counts, std::optional<int32_t> level)
{
    std::string lines;
    for (const auto& [key, style] : engine.styles) {
        lines += Windows1252ToUtf8(key);
        if (counts)
            lines += '\t' + FormatCombinations(style->combinationCount);
        if (level && StyleTabs::Withholds(*level, key))
            lines += "\twithheld at level 0";
        lines += '\n';
    }
    return lines;
}

}  // namespace razzlewick
