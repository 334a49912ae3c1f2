#include "data/PackingHint.h"

#include "platform/AsciiCase.h"
#include "platform/ReadFile.h"

#include <string_view>

namespace razzlewick {

namespace {

// Enough to pass a byte-order mark and the blanks before a source's first brace.
constexpr std::size_t kLookedAt = 256;

bool StartsLikeJson(std::string_view start)
{
    if (start.starts_with("\xEF\xBB\xBF"))
        start.remove_prefix(3);
    const size_t first = start.find_first_not_of(" \t\r\n");
    return first != std::string_view::npos && start[first] == '{';
}

}  // namespace

std::string PackingHint(const std::string& path)
{
    if (!StartsLikeJson(platform::ReadRegularFileStart(path, kLookedAt)))
        return {};
    const std::string name = path.substr(path.rfind('/') + 1);
    if (platform::EndsWithIgnoringAsciiCase(name, ".dat")) {
        const std::string source = name.substr(0, name.size() - 4) + ".json";
        return "It holds JSON text, not packed words: in its folder, rename it to " + source +
               " and run \"razzlewick-data pack -o " + name + ' ' + source +
               "\" (or \"razzlewick-data install " + source + "\")";
    }
    // A source checked by mistake keeps its name; the data file is made beside it.
    const size_t dot = name.rfind('.');
    const std::string packed =
        name.substr(0, dot != std::string::npos && dot > 0 ? dot : name.size()) + ".dat";
    return "It is a JSON source, not a data file: in its folder, run \"razzlewick-data pack -o " +
           packed + ' ' + name + "\" (or \"razzlewick-data install " + name + "\")";
}

}  // namespace razzlewick
