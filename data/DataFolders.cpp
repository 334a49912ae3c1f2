#include "data/DataFolders.h"

#include "platform/XdgDataFolders.h"

namespace razzlewick {

namespace {

constexpr std::string_view kFolderName = "razzlewick/";

}  // namespace

std::vector<DataFolder> DataFolderSearchOrder(const std::string& programFolder,
                                              CurrentFolderSearch current)
{
    std::vector<DataFolder> folders;
    if (current == CurrentFolderSearch::Included) {
        folders = {{DataFolderRole::Program, programFolder}, {DataFolderRole::Current, {}}};
    } else if (!programFolder.empty()) {
        folders = {{DataFolderRole::Program, programFolder}};
    }
    // The first entry of $XDG_DATA_DIRS is the most important, so it is read last of them.
    const std::vector<std::string> system = platform::DataDirFolders();
    for (auto base = system.rbegin(); base != system.rend(); ++base) {
        folders.push_back({DataFolderRole::System, *base + std::string(kFolderName)});
    }
    if (std::string user = UserDataFolder(); !user.empty()) {
        folders.push_back({DataFolderRole::User, std::move(user)});
    }
    return folders;
}

std::string UserDataFolder()
{
    const std::string home = platform::DataHomeFolder();
    return home.empty() ? std::string() : home + std::string(kFolderName);
}

}  // namespace razzlewick
