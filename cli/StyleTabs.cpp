#include "cli/StyleTabs.h"

#include "platform/FolderSearch.h"

#include <algorithm>

namespace razzlewick::StyleTabs {

std::vector<std::string> TabOrder(const std::vector<std::string>& styleKeys)
{
    std::vector<std::string> tabs(kNames.begin(), kNames.end());
    std::vector<std::string> further;
    for (const std::string& key : styleKeys) {
        if (std::find(tabs.begin(), tabs.end(), key) == tabs.end())
            further.push_back(key);
    }
    // The order data files are read in, so the tabs and the files agree. A key named twice
    // sorts next to itself.
    std::sort(further.begin(), further.end(), [](const std::string& a, const std::string& b) {
        return platform::NameOrderLess(a, b);
    });
    further.erase(std::unique(further.begin(), further.end()), further.end());
    tabs.insert(tabs.end(), further.begin(), further.end());
    return tabs;
}

std::size_t SavedPosition(int32_t saved, std::size_t tabCount)
{
    if (saved < 0 || static_cast<std::size_t>(saved) >= tabCount)
        return 0;
    return static_cast<std::size_t>(saved);
}

}  // namespace razzlewick::StyleTabs
