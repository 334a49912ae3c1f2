#include "platform/FolderSearch.h"

#include "tests/support/TempFolder.h"

#include <gtest/gtest.h>

#include <sys/stat.h>

#include <algorithm>

using namespace razzlewick;

namespace {

TEST(FolderSearch, FindsEveryKindOfEntryWhoseNameEndsInTheSuffixInAnyCase)
{
    TempFolder folder;
    folder.WriteFile("a.dat", "");
    folder.WriteFile("B.DaT", "");
    folder.WriteFile(".dat", "");
    folder.WriteFile("c.dat.old", "");
    folder.WriteFile("ddat", "");
    ASSERT_EQ(mkdir((folder / "sub.dat").c_str(), 0755), 0);
    std::vector<std::string> names = platform::FindEntriesEndingWith(folder.path(), ".dat");
    std::sort(names.begin(), names.end());
    EXPECT_EQ(names, (std::vector<std::string>{".dat", "B.DaT", "a.dat", "sub.dat"}));
}

TEST(FolderSearch, EmptyFolderNameMeansTheCurrentFolderAndAMissingFolderGivesNothing)
{
    TempFolder folder;
    folder.WriteFile("here.dat", "");
    {
        CurrentFolder inside(folder.path());
        EXPECT_EQ(platform::FindEntriesEndingWith("", ".dat"),
                  std::vector<std::string>{"here.dat"});
    }
    EXPECT_TRUE(platform::FindEntriesEndingWith(folder / "missing/", ".dat").empty());
}

}  // namespace
