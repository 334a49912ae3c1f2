#include "platform/ExclusiveFile.h"

#include "platform/FileErrorCause.h"
#include "tests/support/TempFolder.h"

#include <gtest/gtest.h>

#include <sys/stat.h>

#include <cerrno>

using namespace razzlewick;

namespace {

// Programs that only read a data file (several started at once) never keep each other out;
// a writer and a reader of a file the user can write do.
TEST(ExclusiveFile, ReadersShareAFileThatAWriterHoldsAlone)
{
    TempFolder folder;
    const std::string path = folder.WriteFile("f.dat", "data");
    platform::ExclusiveOpen first = platform::OpenSharedForReading(path);
    ASSERT_TRUE(first.fd.IsOpen());
    const platform::ExclusiveOpen second = platform::OpenSharedForReading(path);
    EXPECT_TRUE(second.fd.IsOpen());
    const platform::ExclusiveOpen writer = platform::OpenExclusiveForWriting(path);
    EXPECT_FALSE(writer.fd.IsOpen());
    EXPECT_EQ(writer.cause, platform::kCauseSharingViolation);
    EXPECT_EQ(writer.systemCode, EWOULDBLOCK);
    first.fd.Close();

    platform::ExclusiveOpen holder = platform::OpenExclusiveForWriting(folder / "w.dat");
    ASSERT_TRUE(holder.fd.IsOpen());
    const platform::ExclusiveOpen reader = platform::OpenSharedForReading(folder / "w.dat");
    EXPECT_FALSE(reader.fd.IsOpen());
    EXPECT_EQ(reader.cause, platform::kCauseSharingViolation);
    holder.fd.Close();
    EXPECT_TRUE(platform::OpenSharedForReading(folder / "w.dat").fd.IsOpen());
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
        const platform::ExclusiveOpen opened = platform::OpenSharedForReading(row.path);
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
