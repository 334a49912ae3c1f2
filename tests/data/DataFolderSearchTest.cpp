#include "data/InsultGenerator.h"
#include "data/LoadMessages.h"
#include "data/SearchReport.h"
#include "tests/support/DataFileWriter.h"
#include "tests/support/DataFolders.h"
#include "tests/support/TempFolder.h"

#include <gtest/gtest.h>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <chrono>
#include <filesystem>
#include <fstream>
#include <future>
#include <string>
#include <vector>

using namespace razzlewick;

namespace {

// One file adding `words` to the style "Modern" with the template `templateText`.
std::string ModernFile(const std::string& templateText, const std::vector<std::string>& words)
{
    return DataFileWriter()
        .Version()
        .Int32(1)
        .Style("Modern", "Modern", templateText, 1)
        .List(0, words)
        .bytes();
}

std::string Resolved(const std::string& folder)
{
    return std::filesystem::canonical(folder).string() + "/";
}

// A folder path as the name of a link or file put in its place.
std::string WithoutSlash(const std::string& folder)
{
    return folder.substr(0, folder.size() - 1);
}

class DataFolderSearch : public DataSearchTest {
protected:
    std::vector<std::string> Names() const
    {
        std::vector<std::string> names;
        for (const LoadResult& line : report)
            names.push_back(line.fileName.empty() ? "(" + line.message + ")" : line.fileName);
        return names;
    }

    InsultGenerator engine;
    std::vector<LoadResult> report;
};

TEST_F(DataFolderSearch, FoldersAreReadInSearchOrderAndEachFolderInNameOrder)
{
    program.WriteFile("insltdat.dat", ModernFile("program %0", {"oaf"}));
    // b.dat before A.dat in no order but name order: A.dat's template loses to b.dat's.
    current.WriteFile("b.dat", ModernFile("current b %0", {"lout"}));
    current.WriteFile("A.dat", ModernFile("current A %0", {"OAF", "clod"}));
    data.WriteFile(data.UserFolder(), "mine.dat",
                   DataFileWriter()
                       .Version()
                       .Int32(2)
                       .Style("Modern", "Modern", "user %0", 1)
                       .List(0, {"prat"})
                       .Style("Pirate", "Pirate", "Arr, %0", 1)
                       .List(0, {"swab"})
                       .bytes());
    data.WriteFile(data.SystemFolder(1), "shared.dat", ModernFile("system %0", {"git"}));

    EXPECT_TRUE(engine.LoadDataFiles(&report, program.path()));
    EXPECT_EQ(Names(), (std::vector<std::string>{"insltdat.dat", "A.dat", "b.dat", "mine.dat",
                                                 "shared.dat"}));
    const InsultStyle& modern = *engine.styles.at("Modern");
    EXPECT_EQ(modern.templateText, "system %0");
    EXPECT_EQ(modern.wordLists.at(0)->Words(),
              (std::vector<std::string>{"oaf", "clod", "lout", "prat", "git"}));
    EXPECT_EQ(engine.styles.count("Pirate"), 1u);
    EXPECT_EQ(engine.filesFound, 5);

    // The first system folder is not there: searched, reported as such, but no line.
    ASSERT_EQ(engine.searchedFolders.size(), 5u);
    const std::vector<std::pair<DataFolderRole, FolderOutcome>> expected = {
        {DataFolderRole::Program, FolderOutcome::Read},
        {DataFolderRole::Current, FolderOutcome::Read},
        {DataFolderRole::User, FolderOutcome::Read},
        {DataFolderRole::System, FolderOutcome::Missing},
        {DataFolderRole::System, FolderOutcome::Read}};
    for (size_t i = 0; i < expected.size(); ++i) {
        EXPECT_EQ(engine.searchedFolders[i].role, expected[i].first) << i;
        EXPECT_EQ(engine.searchedFolders[i].outcome, expected[i].second) << i;
    }
    EXPECT_EQ(engine.searchedFolders[2].path, data.UserFolder());
    EXPECT_EQ(engine.searchedFolders[3].path, data.SystemFolder(0));
}

TEST_F(DataFolderSearch, AFolderReachedAgainIsReadOnceButProgramAndCurrentFolderAlwaysTwice)
{
    current.WriteFile("insltdat.dat", ModernFile("t %0", {"oaf"}));
    data.WriteFile(data.UserFolder(), "mine.dat", ModernFile("u %0", {"lout"}));
    // The system folders lead to the user's folder and to the current one by links.
    std::filesystem::create_directory_symlink(data.UserFolder(),
                                              WithoutSlash(data.SystemFolder(0)));
    std::filesystem::create_directory_symlink(current.path(), WithoutSlash(data.SystemFolder(1)));

    EXPECT_TRUE(engine.LoadDataFiles(&report, current.path()));
    EXPECT_EQ(Names(), (std::vector<std::string>{"insltdat.dat", "insltdat.dat", "mine.dat"}));
    EXPECT_EQ(engine.searchedFolders[3].outcome, FolderOutcome::AlreadyRead);
    EXPECT_EQ(engine.searchedFolders[3].sameAs, Resolved(data.UserFolder()));
    EXPECT_EQ(engine.searchedFolders[4].outcome, FolderOutcome::AlreadyRead);
    EXPECT_EQ(engine.searchedFolders[4].sameAs, Resolved(current.path()));
}

TEST_F(DataFolderSearch, HostileFoldersGiveReportLinesAndNeverBlock)
{
    program.WriteFile("insltdat.dat", ModernFile("t %0", {"oaf"}));
    // The user's folder is a file; the first system folder a link to itself; the second
    // holds nothing but FIFOs, which an open for reading would wait on.
    std::ofstream(WithoutSlash(data.UserFolder())) << "not a folder";
    const std::string loop = WithoutSlash(data.SystemFolder(0));
    std::filesystem::create_directory_symlink(loop, loop);
    std::filesystem::create_directories(data.SystemFolder(1));
    for (const char* name : {"a.dat", "b.DAT"})
        ASSERT_EQ(mkfifo((data.SystemFolder(1) + name).c_str(), 0600), 0);

    auto loading = std::async(std::launch::async,
                              [&] { return engine.LoadDataFiles(&report, program.path()); });
    ASSERT_EQ(loading.wait_for(std::chrono::seconds(10)), std::future_status::ready)
        << "loading waits on a FIFO";
    EXPECT_FALSE(loading.get());

    EXPECT_EQ(Names(),
              (std::vector<std::string>{
                  "insltdat.dat", "(" + data.UserFolder() + " contains an invalid path.)",
                  "(" + data.SystemFolder(0) + " contains an invalid path.)", "a.dat", "b.DAT"}));
    EXPECT_EQ(report[3].message, "Access to " + data.SystemFolder(1) + "a.dat was denied.");
    EXPECT_EQ(engine.searchedFolders[2].outcome, FolderOutcome::Unusable);
    EXPECT_EQ(engine.filesLoaded, 1);
    EXPECT_EQ(engine.styles.count("Modern"), 1u);
}

TEST_F(DataFolderSearch, AnUnreadableFolderIsAccessDenied)
{
    if (geteuid() == 0)
        GTEST_SKIP() << "root reads every folder";
    program.WriteFile("insltdat.dat", ModernFile("t %0", {"oaf"}));
    data.WriteFile(data.UserFolder(), "mine.dat", ModernFile("u %0", {"lout"}));
    ASSERT_EQ(chmod(data.UserFolder().c_str(), 0), 0);
    EXPECT_FALSE(engine.LoadDataFiles(&report, program.path()));
    ASSERT_EQ(report.size(), 2u);
    EXPECT_EQ(report[1].message, "Access to " + data.UserFolder() + " was denied.");
}

TEST_F(DataFolderSearch, TheReportGoesFolderByFolder)
{
    program.WriteFile("old.dat", DataFileWriter().Float32(3.0f).bytes());
    std::filesystem::create_directories(data.SystemFolder(0));
    std::filesystem::create_directory_symlink(program.path(), WithoutSlash(data.SystemFolder(1)));
    EXPECT_FALSE(engine.LoadDataFiles(nullptr, program.path()));
    EXPECT_EQ(FormatSearchReport(engine),
              "Program folder: " + program.path() +
                  "\n"
                  "  old.dat - Incompatible or corrupted data file\n"
                  "Current folder: " +
                  current.path() +
                  "\n"
                  "  no data files\n"
                  "Your styles folder: " +
                  data.UserFolder() +
                  "\n"
                  "  not there\n"
                  "System folder: " +
                  data.SystemFolder(0) +
                  "\n"
                  "  no data files\n"
                  "System folder: " +
                  data.SystemFolder(1) + "\n  the same folder as " + Resolved(program.path()) +
                  ", not read again\n"
                  "No data files were successfully loaded.  Cannot continue\n");
}

}  // namespace
