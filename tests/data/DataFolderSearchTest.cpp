#include "data/DataFolders.h"
#include "data/InsultGenerator.h"
#include "data/LoadMessages.h"
#include "data/SearchReport.h"
#include "platform/XdgDataFolders.h"
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
#include <optional>
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
    EXPECT_EQ(Names(), (std::vector<std::string>{"insltdat.dat", "A.dat", "b.dat", "shared.dat",
                                                 "mine.dat"}));
    // The user's folder comes last, so their template wins.
    const InsultStyle& modern = engine.Styles().at("Modern");
    EXPECT_EQ(modern.TemplateText(), "user %0");
    EXPECT_EQ(modern.WordLists().at(0).Words(),
              (std::vector<std::string>{"oaf", "clod", "lout", "git", "prat"}));
    EXPECT_EQ(modern.Files(), (std::vector<std::string>{program / "insltdat.dat", "A.dat", "b.dat",
                                                        data.SystemFolder(1) + "shared.dat",
                                                        data.UserFolder() + "mine.dat"}));
    EXPECT_EQ(engine.Styles().count("Pirate"), 1u);
    EXPECT_EQ(engine.FilesFound(), 5);
    // Each line says where its file is, as the folder was searched.
    EXPECT_EQ(ReportPath(report[1]), current.path() + "A.dat");
    EXPECT_EQ(ReportPath(report[4]), data.UserFolder() + "mine.dat");

    // The desktop's folders from the last to the first: the first is not there, searched and
    // reported as such, but no line.
    ASSERT_EQ(engine.SearchedFolders().size(), 5u);
    const std::vector<std::pair<DataFolderRole, FolderOutcome>> expected = {
        {DataFolderRole::Program, FolderOutcome::Read},
        {DataFolderRole::Current, FolderOutcome::Read},
        {DataFolderRole::System, FolderOutcome::Read},
        {DataFolderRole::System, FolderOutcome::Missing},
        {DataFolderRole::User, FolderOutcome::Read}};
    for (size_t i = 0; i < expected.size(); ++i) {
        EXPECT_EQ(engine.SearchedFolders()[i].role, expected[i].first) << i;
        EXPECT_EQ(engine.SearchedFolders()[i].outcome, expected[i].second) << i;
    }
    EXPECT_EQ(engine.SearchedFolders()[2].path, data.SystemFolder(1));
    EXPECT_EQ(engine.SearchedFolders()[3].path, data.SystemFolder(0));
    EXPECT_EQ(engine.SearchedFolders()[4].path, data.UserFolder());
}

// The first entry of $XDG_DATA_DIRS is the most important: read after the others, and where
// it is named twice, at its first (most important) place; relative entries are not searched.
TEST_F(DataFolderSearch, TheFirstSystemFolderWinsOverTheLaterOnesWhereverItIsNamed)
{
    program.WriteFile("insltdat.dat", ModernFile("program %0", {"oaf"}));
    data.WriteFile(data.SystemFolder(0), "a.dat", ModernFile("first %0", {"lout"}));
    data.WriteFile(data.SystemFolder(1), "b.dat", ModernFile("second %0", {"git"}));
    // The base folders named in the variable, without their razzlewick/.
    const auto base = [](const std::string& folder) {
        return folder.substr(0, folder.size() - std::string("razzlewick/").size());
    };
    const std::string firstBase = base(data.SystemFolder(0));
    const std::string secondBase = base(data.SystemFolder(1));

    EXPECT_TRUE(engine.LoadDataFiles(&report, program.path()));
    EXPECT_EQ(engine.Styles().at("Modern").TemplateText(), "first %0");
    EXPECT_TRUE(engine.IgnoredSettings().empty());
    {
        const ScopedEnvironment dirs("XDG_DATA_DIRS",
                                     firstBase + ":relative/share:" + secondBase + ":" + firstBase);
        InsultGenerator again;
        report.clear();
        EXPECT_TRUE(again.LoadDataFiles(&report, program.path()));
        EXPECT_EQ(again.Styles().at("Modern").TemplateText(), "first %0");
        EXPECT_EQ(Names(), (std::vector<std::string>{"insltdat.dat", "b.dat", "a.dat"}));
        EXPECT_EQ(again.SearchedFolders()[2].outcome, FolderOutcome::ReadLater);
        EXPECT_EQ(again.SearchedFolders()[2].sameAs, data.SystemFolder(0));
        EXPECT_EQ(
            again.IgnoredSettings(),
            std::vector<std::string>{
                "\"relative/share\" in $XDG_DATA_DIRS is not an absolute path: not searched"});
        const std::string text = FormatSearchReport(again);
        EXPECT_NE(
            text.find("  the same folder as " + data.SystemFolder(0) + ", read there instead\n"),
            std::string::npos)
            << text;
        EXPECT_NE(text.find("Ignored: \"relative/share\" in $XDG_DATA_DIRS"), std::string::npos)
            << text;
    }
}

// A session that sets no $XDG_DATA_DIRS (or an empty one) still finds what was installed under
// either standard prefix, /usr/local/share the more important, so read after /usr/share.
TEST(DataFolderSearchOrder, WithoutXdgDataDirsBothStandardFoldersAreSearched)
{
    for (const std::optional<std::string>& value :
         {std::optional<std::string>(), std::optional<std::string>("")}) {
        const ScopedEnvironment dirs("XDG_DATA_DIRS", value);
        std::vector<std::string> system;
        for (const DataFolder& folder : DataFolderSearchOrder("/opt/razzlewick/")) {
            if (folder.role == DataFolderRole::System)
                system.push_back(folder.path);
        }
        EXPECT_EQ(system, (std::vector<std::string>{"/usr/share/razzlewick/",
                                                    "/usr/local/share/razzlewick/"}))
            << (value ? "empty" : "unset");
        EXPECT_TRUE(platform::IgnoredDataFolderSettings().empty());
    }
}

// Styles installed or removed while the program runs: a new search into fresh styles, where
// those still there keep their history and the one shown stays current.
TEST_F(DataFolderSearch, ReloadReadsAfreshAndStylesThatRemainKeepTheirHistory)
{
    program.WriteFile("insltdat.dat", ModernFile("t %0", {"oaf"}));
    const std::string pirate = data.WriteFile(data.UserFolder(), "pirate.dat",
                                              DataFileWriter()
                                                  .Version()
                                                  .Int32(1)
                                                  .Style("Pirate", "Pirate", "Arr, %0", 1)
                                                  .List(0, {"swab"})
                                                  .bytes());
    ASSERT_TRUE(engine.LoadDataFiles(nullptr, program.path()));
    engine.SelectStyle("Pirate");
    InsultHistory& pirateHistory = engine.FindStyle("Pirate")->History();
    pirateHistory.Append("first");
    pirateHistory.Append("second");
    pirateHistory.StepBack();
    engine.FindStyle("Modern")->History().Append("modern");

    // A new file, and the program's own words changed meanwhile.
    program.WriteFile("insltdat.dat", ModernFile("new %0", {"oaf", "lout"}));
    data.WriteFile(data.UserFolder(), "extra.dat",
                   DataFileWriter()
                       .Version()
                       .Int32(1)
                       .Style("Extra", "Extra", "%0", 1)
                       .List(0, {"x"})
                       .bytes());
    EXPECT_TRUE(engine.ReloadDataFiles(&report));
    EXPECT_EQ(Names(), (std::vector<std::string>{"insltdat.dat", "extra.dat", "pirate.dat"}));
    ASSERT_EQ(engine.Styles().count("Extra"), 1u);
    EXPECT_EQ(engine.Styles().at("Modern").TemplateText(), "new %0");
    EXPECT_EQ(engine.Styles().at("Modern").WordLists().at(0).size(), 2u);
    EXPECT_EQ(engine.Styles().at("Modern").History().Entries(), std::vector<std::string>{"modern"});
    ASSERT_EQ(engine.CurrentStyle(), engine.FindStyle("Pirate"));
    EXPECT_EQ(engine.CurrentStyle()->History().Entries(),
              (std::vector<std::string>{"first", "second"}));
    EXPECT_EQ(engine.CurrentStyle()->History().Position(), 0);

    // The style shown is gone: none is current, and nothing of it remains.
    std::filesystem::remove(pirate);
    report.clear();
    EXPECT_TRUE(engine.ReloadDataFiles(&report));
    EXPECT_EQ(engine.Styles().count("Pirate"), 0u);
    EXPECT_EQ(engine.CurrentStyle(), nullptr);
    EXPECT_EQ(engine.Styles().at("Modern").History().Entries(), std::vector<std::string>{"modern"});
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
    EXPECT_EQ(engine.SearchedFolders()[2].outcome, FolderOutcome::AlreadyRead);
    EXPECT_EQ(engine.SearchedFolders()[2].sameAs, Resolved(current.path()));
    // The user's folder comes after it and counts more: the files are read there.
    EXPECT_EQ(engine.SearchedFolders()[3].outcome, FolderOutcome::ReadLater);
    EXPECT_EQ(engine.SearchedFolders()[3].sameAs, data.UserFolder());
    EXPECT_EQ(engine.SearchedFolders()[4].outcome, FolderOutcome::Read);
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
              (std::vector<std::string>{"insltdat.dat", "a.dat", "b.DAT",
                                        "(" + data.SystemFolder(0) + " contains an invalid path.)",
                                        "(" + data.UserFolder() + " contains an invalid path.)"}));
    EXPECT_EQ(report[1].message, "Access to " + data.SystemFolder(1) + "a.dat was denied.");
    EXPECT_EQ(engine.SearchedFolders()[4].outcome, FolderOutcome::Unusable);
    EXPECT_EQ(engine.FilesLoaded(), 1);
    EXPECT_EQ(engine.Styles().count("Modern"), 1u);
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
              "Folders in the order they are read (a style's template comes from the last file "
              "that holds it):\n"
              "Program folder: " +
                  program.path() +
                  "\n"
                  "  old.dat - Incompatible or corrupted data file\n"
                  "Current folder: " +
                  current.path() +
                  "\n"
                  "  no data files\n"
                  "System folder: " +
                  data.SystemFolder(1) + "\n  the same folder as " + Resolved(program.path()) +
                  ", not read again\n"
                  "System folder: " +
                  data.SystemFolder(0) +
                  "\n"
                  "  no data files\n"
                  "Your styles folder: " +
                  data.UserFolder() +
                  "\n"
                  "  not there\n"
                  "No data files were successfully loaded.  Cannot continue\n");
}

}  // namespace
