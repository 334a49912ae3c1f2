#include "SettingsFolder.h"

#include <stdlib.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <sstream>

void SettingsFolderTest::SetUp()
{
    const char* saved = std::getenv("XDG_CONFIG_HOME");
    hadConfigHome = saved != nullptr;
    savedConfigHome = saved != nullptr ? saved : "";
    std::string pattern = std::filesystem::temp_directory_path() / "razzlewick-settings-XXXXXX";
    ASSERT_NE(::mkdtemp(pattern.data()), nullptr);
    configHome = pattern;
    ::setenv("XDG_CONFIG_HOME", configHome.c_str(), 1);
}

void SettingsFolderTest::TearDown()
{
    std::error_code ignored;
    std::filesystem::permissions(Folder(), std::filesystem::perms::owner_all, ignored);
    std::filesystem::remove_all(configHome, ignored);
    if (hadConfigHome) {
        ::setenv("XDG_CONFIG_HOME", savedConfigHome.c_str(), 1);
    } else {
        ::unsetenv("XDG_CONFIG_HOME");
    }
}

void SettingsFolderTest::WriteFile(const std::string& name, const std::string& text) const
{
    std::filesystem::create_directories(Folder());
    std::ofstream(Folder() + name, std::ios::binary) << text;
}

std::string SettingsFolderTest::ReadFile(const std::string& name) const
{
    std::ifstream file(Folder() + name, std::ios::binary);
    std::ostringstream text;
    text << file.rdbuf();
    return text.str();
}

std::vector<std::string> SettingsFolderTest::FolderEntries() const
{
    std::vector<std::string> names;
    std::error_code ignored;
    for (const auto& entry : std::filesystem::directory_iterator(Folder(), ignored)) {
        names.push_back(entry.path().filename().string());
    }
    std::sort(names.begin(), names.end());
    return names;
}
