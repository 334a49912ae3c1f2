#include "platform/FolderSearch.h"

#include <dirent.h>

#include <memory>

namespace platform {
namespace {

bool EndsWithFolded(std::string_view name, std::string_view suffix)
{
    if (name.size() < suffix.size()) {
        return false;
    }
    const std::string_view tail = name.substr(name.size() - suffix.size());
    for (size_t i = 0; i < suffix.size(); ++i) {
        auto a = static_cast<unsigned char>(tail[i]);
        auto b = static_cast<unsigned char>(suffix[i]);
        a = (a >= 'A' && a <= 'Z') ? static_cast<unsigned char>(a + 32) : a;
        b = (b >= 'A' && b <= 'Z') ? static_cast<unsigned char>(b + 32) : b;
        if (a != b) {
            return false;
        }
    }
    return true;
}

}  // namespace

std::vector<std::string> FindEntriesEndingWith(const std::string& folder, std::string_view suffix)
{
    std::vector<std::string> names;
    const std::unique_ptr<DIR, int (*)(DIR*)> dir(opendir(folder.empty() ? "." : folder.c_str()),
                                                  closedir);
    if (!dir) {
        return names;
    }
    while (const dirent* entry = readdir(dir.get())) {
        const std::string_view name = entry->d_name;
        if (name != "." && name != ".." && EndsWithFolded(name, suffix)) {
            names.emplace_back(name);
        }
    }
    return names;
}

}  // namespace platform
