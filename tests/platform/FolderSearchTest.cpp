#include "platform/FolderSearch.h"

#include "tests/support/TempFolder.h"

#include <gtest/gtest.h>

#include <sys/stat.h>

#include <algorithm>
#include <string>
#include <utility>
#include <vector>

using namespace razzlewick;

namespace {

// Once sorted here because readdir's order was the result; the search now gives name order.
TEST(FolderSearch, FindsEveryKindOfEntryWhoseNameEndsInTheSuffixInAnyCaseInNameOrder)
{
    TempFolder folder;
    folder.WriteFile("a.dat", "");
    folder.WriteFile("B.DaT", "");
    folder.WriteFile(".dat", "");
    folder.WriteFile("c.dat.old", "");
    folder.WriteFile("ddat", "");
    ASSERT_EQ(mkdir((folder / "sub.dat").c_str(), 0755), 0);
    EXPECT_EQ(platform::FindEntriesEndingWith(folder.path(), ".dat"),
              (std::vector<std::string>{".dat", "a.dat", "B.DaT", "sub.dat"}));
}

TEST(FolderSearch, NameOrderFoldsToUpperCaseThenFallsBackToBytes)
{
    std::vector<std::string> names = {"b.dat", "_x.dat",   "A.dat",  "a.dat",
                                      "Z.dat", "\xe9.dat", "ab.dat", "\\x.dat"};
    std::sort(names.begin(), names.end(), [](const std::string& a, const std::string& b) {
        return platform::NameOrderLess(a, b);
    });
    // '_' and '\\' sort after the letters, bytes above 127 after everything ASCII.
    EXPECT_EQ(names, (std::vector<std::string>{"A.dat", "a.dat", "ab.dat", "b.dat", "Z.dat",
                                               "\\x.dat", "_x.dat", "\xe9.dat"}));
}

// Settings are read from and written to the entry this finds: with several spellings of a
// name in one folder, every spelling must lead to the same one, whatever readdir's order.
// Eight spellings of each of two names, so the one to find is rarely first in that order.
TEST(FolderSearch, EverySpellingOfANameFindsTheSameOneOfSeveralEntries)
{
    TempFolder folder;
    const auto spellings = [](const std::string& name) {
        std::vector<std::string> all;
        for (int bits = 0; bits < 8; ++bits) {
            std::string spelling = name;
            for (int k = 0; k < 3; ++k) {
                if ((bits & (1 << k)) != 0) {
                    spelling[k] = static_cast<char>(spelling[k] - ('a' - 'A'));
                }
            }
            all.push_back(spelling);
        }
        return all;
    };
    for (const std::string name : {"razzlewick.ini", "insltdat.dat"}) {
        for (const std::string& spelling : spellings(name)) {
            folder.WriteFile(spelling, "");
        }
    }
    for (const auto& [name, first] :
         {std::pair<std::string, std::string>{"razzlewick.ini", "RAZzlewick.ini"},
          {"insltdat.dat", "INSltdat.dat"}}) {
        for (const std::string& spelling : spellings(name)) {
            EXPECT_EQ(platform::FindEntryIgnoringCase(folder.path(), spelling), first) << spelling;
        }
    }
    EXPECT_EQ(platform::FindEntryIgnoringCase(folder.path(), "Razzlewick.in"), std::nullopt);
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
    int error = 0;
    EXPECT_TRUE(platform::FindEntriesEndingWith(folder / "missing/", ".dat", &error).empty());
    EXPECT_EQ(error, ENOENT);
}

}  // namespace
