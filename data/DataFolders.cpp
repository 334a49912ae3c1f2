#include "data/DataFolders.h"

#include "platform/XdgDataFolders.h"

namespace razzlewick {

namespace {

constexpr std::string_view kFolderName = "razzlewick/";

}  // namespace

std::vector<DataFolder> DataFolderSearchOrder(const std::string& programFolder)
{
    std::vector<DataFolder> folders = {{DataFolderRole::Program, programFolder},
                                       {DataFolderRole::Current, {}}};
    if (std::string user = UserDataFolder(); !user.empty()) {
        folders.push_back({DataFolderRole::User, std::move(user)});
    }
    for (const std::string& base : platform::DataDirFolders()) {
        folders.push_back({DataFolderRole::System, base + std::string(kFolderName)});
    }
    return folders;
}

std::string UserDataFolder()
{
    const std::string home = platform::DataHomeFolder();
    return home.empty() ? std::string() : home + std::string(kFolderName);
}

}  // namespace razzlewick
