#include "platform/FolderSearch.h"

#include "platform/AsciiCase.h"

#include <dirent.h>

#include <functional>
#include <memory>

namespace razzlewick::platform {
namespace {

// Calls `visit` with the name of every entry but "." and "..", in the folder's own order.
void ForEachEntry(const std::string& folder, const std::function<void(std::string_view)>& visit)
{
    const std::unique_ptr<DIR, int (*)(DIR*)> dir(::opendir(folder.empty() ? "." : folder.c_str()),
                                                  ::closedir);
    if (!dir) {
        return;
    }
    while (const dirent* entry = ::readdir(dir.get())) {
        const std::string_view name = entry->d_name;
        if (name != "." && name != "..") {
            visit(name);
        }
    }
}

}  // namespace

std::vector<std::string> FindEntriesEndingWith(const std::string& folder, std::string_view suffix)
{
    std::vector<std::string> names;
    ForEachEntry(folder, [&](std::string_view name) {
        if (EndsWithIgnoringAsciiCase(name, suffix)) {
            names.emplace_back(name);
        }
    });
    return names;
}

std::optional<std::string> FindEntryIgnoringCase(const std::string& folder, std::string_view name)
{
    std::optional<std::string> found;
    ForEachEntry(folder, [&](std::string_view entry) {
        if (EqualsIgnoringAsciiCase(entry, name) && (!found || entry < *found)) {
            found = std::string(entry);
        }
    });
    return found;
}

}  // namespace razzlewick::platform
