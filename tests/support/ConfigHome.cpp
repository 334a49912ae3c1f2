#include "tests/support/ConfigHome.h"

#include <filesystem>

// Set as a user would, without the final '/'.
ScopedConfigHome::ScopedConfigHome()
    : variable_("XDG_CONFIG_HOME", folder_.path().substr(0, folder_.path().size() - 1))
{
}

void ScopedConfigHome::WriteFile(const std::string& name, const std::string& bytes) const
{
    std::filesystem::create_directories(SettingsFolder());
    folder_.WriteFile("razzlewick/" + name, bytes);
}

std::string ScopedConfigHome::ReadFile(const std::string& name) const
{
    return folder_.ReadFile("razzlewick/" + name);
}

std::vector<std::string> ScopedConfigHome::Entries() const
{
    return folder_.Entries("razzlewick/");
}
