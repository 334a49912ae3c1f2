#include "platform/XdgDataFolders.h"

#include "platform/FileSystem.h"

#include <cstdlib>
#include <string_view>

namespace razzlewick::platform {

namespace {

std::string WithSlash(std::string folder)
{
    if (!folder.empty() && folder.back() != '/') {
        folder.push_back('/');
    }
    return folder;
}

}  // namespace

std::string DataHomeFolder()
{
    const char* dataHome = std::getenv("XDG_DATA_HOME");
    if (dataHome != nullptr && dataHome[0] == '/') {
        return WithSlash(dataHome);
    }
    const std::string home = HomeFolder();
    return home.empty() ? std::string() : WithSlash(home) + ".local/share/";
}

std::vector<std::string> DataDirFolders()
{
    const char* variable = std::getenv("XDG_DATA_DIRS");
    const std::string_view dataDirs = variable != nullptr && variable[0] != '\0'
                                          ? std::string_view(variable)
                                          : std::string_view("/usr/local/share:/usr/share");
    std::vector<std::string> folders;
    size_t start = 0;
    for (;;) {
        const size_t colon = dataDirs.find(':', start);
        const std::string_view entry = dataDirs.substr(start, colon - start);
        if (!entry.empty() && entry.front() == '/') {
            folders.push_back(WithSlash(std::string(entry)));
        }
        if (colon == std::string_view::npos) {
            return folders;
        }
        start = colon + 1;
    }
}

}  // namespace razzlewick::platform
