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

// The non-empty entries of $XDG_DATA_DIRS in order, or the two default folders when it is
// unset or empty.
std::vector<std::string_view> DataDirEntries()
{
    const char* variable = std::getenv("XDG_DATA_DIRS");
    const std::string_view dataDirs = variable != nullptr && variable[0] != '\0'
                                          ? std::string_view(variable)
                                          : std::string_view("/usr/local/share:/usr/share");
    std::vector<std::string_view> entries;
    size_t start = 0;
    for (;;) {
        const size_t colon = dataDirs.find(':', start);
        if (const std::string_view entry = dataDirs.substr(start, colon - start); !entry.empty()) {
            entries.push_back(entry);
        }
        if (colon == std::string_view::npos) {
            return entries;
        }
        start = colon + 1;
    }
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
    std::vector<std::string> folders;
    for (const std::string_view entry : DataDirEntries()) {
        if (entry.front() == '/') {
            folders.push_back(WithSlash(std::string(entry)));
        }
    }
    return folders;
}

std::vector<std::string> IgnoredDataFolderSettings()
{
    std::vector<std::string> ignored;
    const char* dataHome = std::getenv("XDG_DATA_HOME");
    if (dataHome != nullptr && dataHome[0] != '\0' && dataHome[0] != '/') {
        ignored.push_back("$XDG_DATA_HOME is \"" + std::string(dataHome) +
                          "\", not an absolute path: ~/.local/share is used instead");
    }
    for (const std::string_view entry : DataDirEntries()) {
        if (entry.front() != '/') {
            ignored.push_back("\"" + std::string(entry) +
                              "\" in $XDG_DATA_DIRS is not an absolute path: not searched");
        }
    }
    return ignored;
}

}  // namespace razzlewick::platform
