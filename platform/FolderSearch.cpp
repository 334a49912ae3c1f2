#include "platform/FolderSearch.h"

#include "platform/AsciiCase.h"

#include <dirent.h>

#include <algorithm>
#include <cerrno>
#include <compare>
#include <functional>
#include <memory>

namespace razzlewick::platform {
namespace {

constexpr unsigned char UpperCase(char c)
{
    return static_cast<unsigned char>((c >= 'a' && c <= 'z') ? c - ('a' - 'A') : c);
}

// Calls `visit` with the name of every entry but "." and "..", in the folder's own order.
// Returns 0, or the errno of a folder that cannot be opened.
int ForEachEntry(const std::string& folder, const std::function<void(std::string_view)>& visit)
{
    const std::unique_ptr<DIR, int (*)(DIR*)> dir(::opendir(folder.empty() ? "." : folder.c_str()),
                                                  ::closedir);
    if (!dir) {
        return errno;
    }
    while (const dirent* entry = ::readdir(dir.get())) {
        const std::string_view name = entry->d_name;
        if (name != "." && name != "..") {
            visit(name);
        }
    }
    return 0;
}

}  // namespace

std::vector<std::string> FindEntriesEndingWith(const std::string& folder, std::string_view suffix,
                                               int* error)
{
    std::vector<std::string> names;
    const int failure = ForEachEntry(folder, [&](std::string_view name) {
        if (EndsWithIgnoringAsciiCase(name, suffix)) {
            names.emplace_back(name);
        }
    });
    if (error != nullptr) {
        *error = failure;
    }
    // readdir's order differs between file systems, and it decides which file's template wins.
    std::sort(names.begin(), names.end(),
              [](const std::string& a, const std::string& b) { return NameOrderLess(a, b); });
    return names;
}

bool NameOrderLess(std::string_view a, std::string_view b)
{
    const auto folded = std::lexicographical_compare_three_way(
        a.begin(), a.end(), b.begin(), b.end(),
        [](char x, char y) { return UpperCase(x) <=> UpperCase(y); });
    if (folded != 0) {
        return folded < 0;
    }
    return a < b;
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
