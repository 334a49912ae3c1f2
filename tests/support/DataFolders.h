#pragma once

#include "tests/support/TempFolder.h"

#include <gtest/gtest.h>

#include <string>

// Data folders of the test's own: XDG_DATA_HOME and two entries of XDG_DATA_DIRS point into
// one scratch folder for the lifetime of the object, so a search for data files neither
// finds the user's and the system's files nor depends on them. The base folders exist;
// the razzlewick/ folders inside them are only there once something is written to them.
class ScopedDataFolders final {
public:
    ScopedDataFolders();

    // $XDG_DATA_HOME/razzlewick/ and razzlewick/ in the first or second system folder,
    // each ending in '/'.
    std::string UserFolder() const { return root_ / "home/razzlewick/"; }
    std::string SystemFolder(int index) const;

    // Writes `bytes` to `name` in the folder (made when missing); returns the full path.
    std::string WriteFile(const std::string& folder, const std::string& name,
                          const std::string& bytes) const;

private:
    TempFolder root_;
    ScopedEnvironment home_;
    ScopedEnvironment dirs_;
};

// The folders a search for data files goes through, all the test's own: a program folder, a
// separate current folder (made current), and the data folders after them.
class DataSearchTest : public ::testing::Test {
protected:
    ScopedDataFolders data;
    TempFolder program;
    TempFolder current;

private:
    CurrentFolder inCurrent_{current.path()};
};
