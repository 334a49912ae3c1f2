#include "data/InsultGenerator.h"
#include "data/LoadMessages.h"
#include "platform/FileErrorCause.h"
#include "tests/support/DataFileWriter.h"
#include "tests/support/DataFolders.h"
#include "tests/support/TempFolder.h"

#include <gtest/gtest.h>

#include <fcntl.h>
#include <grp.h>
#include <pwd.h>
#include <sys/file.h>
#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/un.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <cstring>
#include <future>
#include <map>
#include <string>
#include <vector>

using namespace razzlewick;

namespace {

std::string GoodFile(const std::string& style = "Modern",
                     const std::vector<std::string>& words = {"oaf"})
{
    return DataFileWriter()
        .Version()
        .Int32(1)
        .Style(style, style, "You %0", 1)
        .List(0, words)
        .bytes();
}

std::map<std::string, LoadResult> ByName(const std::vector<LoadResult>& report)
{
    std::map<std::string, LoadResult> lines;
    for (const LoadResult& line : report) {
        lines[line.fileName] = line;
    }
    return lines;
}

// The program folder and an empty, separate current folder; the data folders after them
// are the test's own and empty.
class LoadDataFiles : public DataSearchTest {
protected:
    InsultGenerator engine;
    std::vector<LoadResult> report;
};

TEST_F(LoadDataFiles, NoFileInEitherFolderGivesTheSingleClosingLine)
{
    program.WriteFile("notes.txt", "x");
    EXPECT_FALSE(engine.LoadDataFiles(&report, program.path()));
    ASSERT_EQ(report.size(), 1u);
    EXPECT_EQ(report[0].fileName, "");
    EXPECT_EQ(report[0].message, kLoadNoFilesFound);
    EXPECT_TRUE(report[0].failed);
    EXPECT_EQ(engine.FilesFound(), 0);
    EXPECT_EQ(engine.FilesLoaded(), 0);
}

TEST_F(LoadDataFiles, ProgramFolderEqualToTheCurrentFolderReadsTheFileTwice)
{
    current.WriteFile("insltdat.dat", GoodFile());
    EXPECT_TRUE(engine.LoadDataFiles(&report, current.path()));
    ASSERT_EQ(report.size(), 2u);
    for (const LoadResult& line : report) {
        EXPECT_EQ(line.fileName, "insltdat.dat");
        EXPECT_EQ(line.message, "Succeeded");
        EXPECT_FALSE(line.failed);
    }
    EXPECT_EQ(engine.FilesFound(), 2);
    EXPECT_EQ(engine.FilesLoaded(), 2);
    EXPECT_EQ(engine.Styles().at("Modern").WordLists().at(0).Words(),
              std::vector<std::string>{"oaf"});
}

TEST_F(LoadDataFiles, BothFoldersFeedOneEngineAndTheCaseOfTheSuffixDoesNotMatter)
{
    program.WriteFile("a.DAT", GoodFile("Modern", {"oaf"}));
    current.WriteFile("b.dat", GoodFile("Modern", {"OAF", "lout"}));
    current.WriteFile("c.dat.bak", "not a data file");
    EXPECT_TRUE(engine.LoadDataFiles(nullptr, program.path()));
    EXPECT_EQ(engine.FilesFound(), 2);
    EXPECT_EQ(engine.FilesLoaded(), 2);
    EXPECT_EQ(engine.Styles().at("Modern").WordLists().at(0).Words(),
              (std::vector<std::string>{"oaf", "lout"}));
}

TEST_F(LoadDataFiles, EachBadFileIsReportedAndTheGoodOnesStillLoad)
{
    program.WriteFile("good.dat", GoodFile("Arabian"));
    program.WriteFile("old.dat", DataFileWriter().Float32(3.0f).Int32(0).bytes());
    // A complete first style, then a break: reported as failed, yet its style stays.
    program.WriteFile("cut.dat", DataFileWriter()
                                     .Version()
                                     .Int32(2)
                                     .Style("Modern", "Modern", "", 1)
                                     .List(0, {"w"})
                                     .Raw("\x09Mediter")
                                     .bytes());
    ASSERT_EQ(mkdir((program / "folder.dat").c_str(), 0755), 0);
    const std::string locked = program.WriteFile("locked.dat", GoodFile("Locked"));
    const int holder = open(locked.c_str(), O_RDONLY);
    ASSERT_EQ(flock(holder, LOCK_EX | LOCK_NB), 0);

    EXPECT_FALSE(engine.LoadDataFiles(&report, program.path()));
    close(holder);

    ASSERT_EQ(report.size(), 5u);
    const auto lines = ByName(report);
    EXPECT_EQ(lines.at("good.dat").message, "Succeeded");
    EXPECT_FALSE(lines.at("good.dat").failed);
    EXPECT_EQ(lines.at("old.dat").message, "Incompatible or corrupted data file");
    EXPECT_EQ(lines.at("cut.dat").message, "Incompatible or corrupted data file");
    EXPECT_EQ(lines.at("folder.dat").message,
              "Access to " + program.path() + "folder.dat was denied.");
    EXPECT_EQ(lines.at("locked.dat").message, "File is locked, cannot read.");
    for (const std::string name : {"old.dat", "cut.dat", "folder.dat", "locked.dat"}) {
        EXPECT_TRUE(lines.at(name).failed) << name;
    }
    EXPECT_EQ(engine.FilesFound(), 5);
    EXPECT_EQ(engine.FilesLoaded(), 1);
    EXPECT_EQ(engine.Styles().count("Arabian"), 1u);
    EXPECT_EQ(engine.Styles().count("Modern"), 1u);
    EXPECT_EQ(engine.Styles().count("Locked"), 0u);
}

// Anyone who can read a data file can lock it. A lock taken by someone who may not write the
// file (another user; or anyone at all, when this user cannot write it) guards no rewrite,
// so it does not keep the program out.
TEST_F(LoadDataFiles, ALockFromSomeoneWhoCannotWriteTheFileDoesNotKeepItOut)
{
    const std::string path = program.WriteFile("shared.dat", GoodFile("Shared"));
    int holder = -1;
    pid_t child = -1;
    int release[2] = {-1, -1};
    if (geteuid() == 0) {
        const passwd* nobody = getpwnam("nobody");
        if (nobody == nullptr) {
            GTEST_SKIP() << "there is no user nobody to hold the lock";
        }
        ASSERT_EQ(chmod(path.c_str(), 0644), 0);
        int ready[2];
        ASSERT_EQ(pipe(ready), 0);
        ASSERT_EQ(pipe(release), 0);
        const uid_t uid = nobody->pw_uid;
        const gid_t gid = nobody->pw_gid;
        child = fork();
        ASSERT_NE(child, -1);
        if (child == 0) {
            // Opened as root (the folder is private), locked as nobody, held until the parent
            // closes its end of `release`.
            close(release[1]);
            const int fd = open(path.c_str(), O_RDONLY);
            char byte = 0;
            if (fd < 0 || setgroups(0, nullptr) != 0 || setgid(gid) != 0 || setuid(uid) != 0 ||
                flock(fd, LOCK_EX | LOCK_NB) != 0 || write(ready[1], "x", 1) != 1) {
                _exit(1);
            }
            while (read(release[0], &byte, 1) > 0) {
            }
            _exit(0);
        }
        close(ready[1]);
        close(release[0]);
        char byte = 0;
        ASSERT_EQ(read(ready[0], &byte, 1), 1) << "the other user could not take the lock";
        close(ready[0]);
    } else {
        ASSERT_EQ(chmod(path.c_str(), 0444), 0);
        holder = open(path.c_str(), O_RDONLY);
        ASSERT_EQ(flock(holder, LOCK_EX | LOCK_NB), 0);
    }

    const bool loaded = engine.LoadDataFiles(&report, program.path());
    if (child > 0) {
        close(release[1]);
        waitpid(child, nullptr, 0);
    }
    if (holder >= 0) {
        close(holder);
    }
    EXPECT_TRUE(loaded);
    ASSERT_EQ(report.size(), 1u);
    EXPECT_EQ(report[0].message, "Succeeded");
    EXPECT_EQ(engine.Styles().count("Shared"), 1u);
}

TEST_F(LoadDataFiles, SpecialFilesAreRefusedAtOnceAndEveryOtherFileStillLoads)
{
    program.WriteFile("good.dat", GoodFile());
    const std::string fifo = program / "pipe.dat";
    const std::string linkedFifo = program / "quiet.fifo";
    ASSERT_EQ(mkfifo(fifo.c_str(), 0600), 0);
    ASSERT_EQ(mkfifo(linkedFifo.c_str(), 0600), 0);
    ASSERT_EQ(symlink(linkedFifo.c_str(), (program / "linked.dat").c_str()), 0);
    ASSERT_EQ(symlink("/dev/zero", (program / "zero.dat").c_str()), 0);
    const int listener = socket(AF_UNIX, SOCK_STREAM, 0);
    sockaddr_un address{};
    address.sun_family = AF_UNIX;
    const std::string socketPath = program / "sock.dat";
    ASSERT_LT(socketPath.size(), sizeof address.sun_path);
    std::memcpy(address.sun_path, socketPath.c_str(), socketPath.size() + 1);
    ASSERT_EQ(bind(listener, reinterpret_cast<const sockaddr*>(&address), sizeof address), 0);

    // A load that waits on a FIFO fails here after the deadline instead of stalling the run:
    // writers that come and go let a blocked open or read go on, so the thread can end.
    auto loading = std::async(std::launch::async,
                              [&] { return engine.LoadDataFiles(&report, program.path()); });
    if (loading.wait_for(std::chrono::seconds(10)) != std::future_status::ready) {
        ADD_FAILURE() << "loading still waits on a special file after 10 s";
        while (loading.wait_for(std::chrono::milliseconds(50)) != std::future_status::ready) {
            for (const std::string& path : {fifo, linkedFifo}) {
                const int writer = open(path.c_str(), O_WRONLY | O_NONBLOCK);
                if (writer >= 0) {
                    close(writer);
                }
            }
        }
    }
    EXPECT_FALSE(loading.get());
    close(listener);

    ASSERT_EQ(report.size(), 5u);
    const auto lines = ByName(report);
    EXPECT_EQ(lines.at("good.dat").message, "Succeeded");
    for (const std::string name : {"pipe.dat", "linked.dat", "zero.dat", "sock.dat"}) {
        EXPECT_EQ(lines.at(name).message, "Access to " + program.path() + name + " was denied.");
        EXPECT_TRUE(lines.at(name).failed) << name;
    }
    EXPECT_EQ(engine.FilesFound(), 5);
    EXPECT_EQ(engine.FilesLoaded(), 1);
    EXPECT_EQ(engine.Styles().count("Modern"), 1u);
}

TEST_F(LoadDataFiles, WhenEveryFileFailsTheLastLineSaysNoneLoaded)
{
    current.WriteFile("empty.dat", "");
    program.WriteFile("old.dat", DataFileWriter().Float32(3.0f).bytes());
    EXPECT_FALSE(engine.LoadDataFiles(&report, program.path()));
    ASSERT_EQ(report.size(), 3u);
    EXPECT_EQ(report[0].fileName, "old.dat");
    EXPECT_EQ(report[1].fileName, "empty.dat");
    EXPECT_EQ(report[2].fileName, "");
    EXPECT_EQ(report[2].message, "No data files were successfully loaded.  Cannot continue");
    EXPECT_TRUE(report[2].failed);
    EXPECT_EQ(engine.FilesFound(), 2);
    EXPECT_EQ(engine.FilesLoaded(), 0);
}

TEST_F(LoadDataFiles, AnUnreadableFileIsAccessDenied)
{
    if (geteuid() == 0) {
        GTEST_SKIP() << "root reads every file";
    }
    const std::string path = current.WriteFile("secret.dat", GoodFile());
    ASSERT_EQ(chmod(path.c_str(), 0), 0);
    EXPECT_FALSE(engine.LoadDataFiles(&report, program.path()));
    ASSERT_EQ(report.size(), 2u);
    // The current folder's entry is reported with its full path.
    EXPECT_EQ(report[0].message, "Access to " + current.path() + "secret.dat was denied.");
}

TEST_F(LoadDataFiles, OpenDataFileWithoutAPathReadsTheDefaultFileOfTheCurrentFolder)
{
    const DataFileOutcome missing = engine.OpenDataFile(Archive::Mode::Loading, nullptr);
    EXPECT_EQ(missing.result, DataFileOutcome::Result::NotOpened);
    EXPECT_EQ(engine.FileName(), "insltdat.dat");
    EXPECT_EQ(missing.openError.cause, platform::kCauseFileNotFound);
    EXPECT_EQ(missing.openError.systemCode, ENOENT);
    EXPECT_EQ(missing.openError.path, "insltdat.dat");

    current.WriteFile("insltdat.dat", GoodFile());
    EXPECT_TRUE(engine.OpenDataFile(Archive::Mode::Loading, nullptr).Succeeded());
    EXPECT_EQ(engine.Styles().size(), 1u);
}

TEST_F(LoadDataFiles, WritingALockedFileFailsWithoutEmptyingIt)
{
    const std::string path = current.WriteFile("busy.dat", GoodFile());
    const int holder = open(path.c_str(), O_RDONLY);
    ASSERT_EQ(flock(holder, LOCK_EX | LOCK_NB), 0);
    const DataFileOutcome outcome = engine.OpenDataFile(Archive::Mode::Storing, &path);
    close(holder);
    EXPECT_EQ(outcome.result, DataFileOutcome::Result::NotOpened);
    EXPECT_EQ(outcome.openError.cause, platform::kCauseSharingViolation);
    struct stat info {};
    ASSERT_EQ(stat(path.c_str(), &info), 0);
    EXPECT_EQ(static_cast<size_t>(info.st_size), GoodFile().size());
}

struct MessageCase {
    const char* name;
    int32_t cause;
    std::string expected;
};

class FileErrorMessageText : public testing::TestWithParam<MessageCase> {};

TEST_P(FileErrorMessageText, PutsThePathInTheCauseText)
{
    EXPECT_EQ(FileErrorMessage(GetParam().cause, "/d/x.dat"), GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(
    Causes, FileErrorMessageText,
    testing::Values(
        MessageCase{"Generic", 1, "An unknown error occurred while accessing /d/x.dat."},
        MessageCase{"NotFound", 2, "/d/x.dat was not found."},
        MessageCase{"BadPath", 3, "/d/x.dat contains an invalid path."},
        MessageCase{"TooMany", 4,
                    "/d/x.dat could not be opened because there are too many open files."},
        MessageCase{"Denied", 5, "Access to /d/x.dat was denied."},
        MessageCase{"Handle", 6, "An invalid file handle was associated with /d/x.dat."},
        MessageCase{"CurrentDir", 7,
                    "/d/x.dat could not be removed because it is the current directory."},
        MessageCase{"DirFull", 8, "/d/x.dat could not be created because the directory is full."},
        MessageCase{"Seek", 9, "Seek failed on /d/x.dat"},
        MessageCase{"Hardware", 10, "A hardware I/O error was reported while accessing /d/x.dat."},
        MessageCase{"Sharing", 11, "File is locked, cannot read."},
        MessageCase{"Lock", 12, "File is locked, cannot read."},
        MessageCase{"DiskFull", 13, "Disk full while accessing /d/x.dat."},
        MessageCase{"PastEnd", 14, "An attempt was made to access /d/x.dat past its end."},
        MessageCase{"OutOfRange", 99, "An unknown error occurred while accessing /d/x.dat."}),
    [](const testing::TestParamInfo<MessageCase>& info) { return std::string(info.param.name); });

std::string Repeated(const std::string& piece, int times)
{
    std::string text;
    for (int i = 0; i < times; ++i) {
        text += piece;
    }
    return text;
}

TEST(FileErrorMessage, IsCutTo254Characters)
{
    const std::string path = "/" + std::string(300, 'p');
    const std::string message = FileErrorMessage(platform::kCauseAccessDenied, path);
    EXPECT_EQ(message, ("Access to " + path).substr(0, 254));

    // "Access to /" is 11 characters: 243 of the 300 characters after it remain, whole,
    // whether they are two-byte UTF-8 or single bytes of another encoding.
    EXPECT_EQ(FileErrorMessage(platform::kCauseAccessDenied, "/" + Repeated("\xC3\xA9", 300)),
              "Access to /" + Repeated("\xC3\xA9", 243));
    EXPECT_EQ(FileErrorMessage(platform::kCauseAccessDenied, "/" + Repeated("\xE9", 300)),
              "Access to /" + Repeated("\xE9", 243));
}

}  // namespace
