#include "platform/ExclusiveFile.h"

#include "platform/FileErrorCause.h"
#include "tests/support/TempFolder.h"

#include <gtest/gtest.h>

#include <sys/stat.h>

#include <cerrno>
#include <chrono>
#include <thread>

using namespace razzlewick;

namespace {

TEST(ExclusiveFile, ASecondOpenOfAnOpenFileIsASharingViolation)
{
    TempFolder folder;
    const std::string path = folder.WriteFile("f.dat", "data");
    platform::ExclusiveOpen first = platform::OpenExclusiveForReading(path);
    ASSERT_TRUE(first.fd.IsOpen());
    for (const platform::ExclusiveOpen& second :
         {platform::OpenExclusiveForReading(path), platform::OpenExclusiveForWriting(path)}) {
        EXPECT_FALSE(second.fd.IsOpen());
        EXPECT_EQ(second.cause, platform::kCauseSharingViolation);
        EXPECT_EQ(second.systemCode, EWOULDBLOCK);
    }
    first.fd.Close();
    const platform::ExclusiveOpen again = platform::OpenExclusiveForReading(path);
    EXPECT_TRUE(again.fd.IsOpen());
}

// Several programs starting at once each read the same data file; one that finds it
// briefly held by another reader waits for it instead of reporting it locked.
TEST(ExclusiveFile, AReaderWaitsOutABriefHoldByAnotherReader)
{
    TempFolder folder;
    const std::string path = folder.WriteFile("f.dat", "data");
    platform::ExclusiveOpen holder = platform::OpenExclusiveForReading(path);
    ASSERT_TRUE(holder.fd.IsOpen());
    std::thread release([&holder] {
        std::this_thread::sleep_for(std::chrono::milliseconds(20));
        holder.fd.Close();
    });
    const platform::ExclusiveOpen waiting = platform::OpenExclusiveForReading(path);
    release.join();
    EXPECT_TRUE(waiting.fd.IsOpen());
    EXPECT_EQ(waiting.cause, platform::kCauseNone);
}

TEST(ExclusiveFile, FailedOpensCarryCauseAndErrno)
{
    TempFolder folder;
    const std::string file = folder.WriteFile("plain", "x");
    ASSERT_EQ(mkdir((folder / "dir.dat").c_str(), 0755), 0);
    struct Row {
        std::string path;
        int32_t cause;
        int error;
    };
    for (const Row& row : {Row{folder / "missing.dat", platform::kCauseFileNotFound, ENOENT},
                           Row{file + "/below.dat", platform::kCauseBadPath, ENOTDIR},
                           Row{folder / "dir.dat", platform::kCauseAccessDenied, EISDIR}}) {
        const platform::ExclusiveOpen opened = platform::OpenExclusiveForReading(row.path);
        EXPECT_FALSE(opened.fd.IsOpen()) << row.path;
        EXPECT_EQ(opened.cause, row.cause) << row.path;
        EXPECT_EQ(opened.systemCode, row.error) << row.path;
    }
}

TEST(ExclusiveFile, WritingCreatesOrEmptiesTheFile)
{
    TempFolder folder;
    const std::string path = folder.WriteFile("w.dat", "old contents");
    const platform::ExclusiveOpen opened = platform::OpenExclusiveForWriting(path);
    ASSERT_TRUE(opened.fd.IsOpen());
    struct stat info {};
    ASSERT_EQ(fstat(opened.fd.Get(), &info), 0);
    EXPECT_EQ(info.st_size, 0);

    const platform::ExclusiveOpen created = platform::OpenExclusiveForWriting(folder / "new.dat");
    EXPECT_TRUE(created.fd.IsOpen());
}

}  // namespace
