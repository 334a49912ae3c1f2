#include "cli/StyleListing.h"

#include "cli/StyleTabs.h"
#include "cli/TerminalText.h"
#include "data/InsultGenerator.h"
#include "generate/FormatCombinations.h"

namespace razzlewick {

std::vector<std::string> StyleKeys(const InsultGenerator& engine)
{
    std::vector<std::string> keys;
    for (const auto& entry : engine.Styles())
        keys.push_back(entry.first);
    return keys;
}

std::string StyleList(const InsultGenerator& engine)
{
    std::string list;
    for (const auto& entry : engine.Styles())
        list += (list.empty() ? "" : ", ") + TerminalTextFrom1252(entry.first, Separators::Escape);
    return list.empty() ? "none" : list;
}

std::string StyleLines(const InsultGenerator& engine, bool counts)
{
    std::string lines;
    for (const auto& [key, style] : engine.Styles()) {
        lines += TerminalTextFrom1252(key, Separators::Escape);
        if (counts)
            lines += '\t' + FormatCombinations(style.CombinationCount());
        lines += '\n';
    }
    return lines;
}

std::string StyleTable(const InsultGenerator& engine, int32_t level)
{
    std::string lines;
    for (const auto& [key, style] : engine.Styles()) {
        const std::string& name = style.Name().empty() ? key : style.Name();
        // A count past the signed range wrapped, as the window's label reads it.
        const auto combinations = static_cast<uint64_t>(style.CombinationCount());
        lines += TerminalTextFrom1252(key, Separators::Escape) + '\t' +
                 TerminalTextFrom1252(name, Separators::Escape) + '\t' +
                 std::to_string(combinations) + '\t' +
                 (StyleTabs::Withholds(level, key) ? "withheld" : "") + '\n';
    }
    return lines;
}

}  // namespace razzlewick
