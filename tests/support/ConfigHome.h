#pragma once

#include "tests/support/TempFolder.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

// A fresh, empty XDG_CONFIG_HOME for the lifetime of the object, so a test neither reads
// nor changes the user's settings; the previous value comes back afterwards.
class ScopedConfigHome final {
public:
    ScopedConfigHome();

    // The XDG_CONFIG_HOME in force, ending in '/'.
    const std::string& Path() const { return folder_.path(); }
    // The program's settings folder inside it, ending in '/'.
    std::string SettingsFolder() const { return Path() + "razzlewick/"; }

    // Writes a whole file in the settings folder, creating the folder.
    void WriteFile(const std::string& name, const std::string& bytes) const;
    // A file of the settings folder; empty when it does not exist.
    std::string ReadFile(const std::string& name) const;
    // Names in the settings folder, sorted.
    std::vector<std::string> Entries() const;

private:
    TempFolder folder_;
    ScopedEnvironment variable_;
};

// Gives each test its own ScopedConfigHome.
class ConfigHomeTest : public ::testing::Test {
protected:
    const std::string& ConfigHome() const { return configHome_.Path(); }
    std::string Folder() const { return configHome_.SettingsFolder(); }
    void WriteFile(const std::string& name, const std::string& text) const
    {
        configHome_.WriteFile(name, text);
    }
    std::string ReadFile(const std::string& name) const { return configHome_.ReadFile(name); }
    std::vector<std::string> FolderEntries() const { return configHome_.Entries(); }

private:
    ScopedConfigHome configHome_;
};
