#pragma once

#include <gtest/gtest.h>

#include <string>
#include <vector>

// Gives each test a fresh, empty XDG_CONFIG_HOME, removed again afterwards.
class SettingsFolderTest : public ::testing::Test {
protected:
    void SetUp() override;
    void TearDown() override;

    // The settings folder inside the fresh XDG_CONFIG_HOME, ending in '/'.
    std::string Folder() const { return configHome + "/razzlewick/"; }
    void WriteFile(const std::string& name, const std::string& text) const;
    std::string ReadFile(const std::string& name) const;
    // Names in the settings folder, sorted.
    std::vector<std::string> FolderEntries() const;

    std::string configHome;

private:
    std::string savedConfigHome;
    bool hadConfigHome = false;
};
