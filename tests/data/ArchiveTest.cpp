#include "data/Archive.h"

#include "data/ArchiveError.h"
#include "tests/support/DataFileWriter.h"
#include "tests/support/TempFolder.h"

#include <gtest/gtest.h>

#include <fcntl.h>
#include <pthread.h>
#include <signal.h>
#include <unistd.h>

#include <fstream>
#include <iterator>
#include <string>
#include <thread>

using namespace razzlewick;

namespace {

std::string Bytes(std::initializer_list<uint8_t> bytes)
{
    return DataFileWriter().Bytes(bytes).bytes();
}

// An open descriptor on a file holding the given bytes.
class FileWith final {
public:
    explicit FileWith(const std::string& bytes)
        : fd_(open(folder_.WriteFile("f", bytes).c_str(), O_RDONLY))
    {
    }
    ~FileWith() { close(fd_); }
    int fd() const { return fd_; }

private:
    TempFolder folder_;
    int fd_;
};

// Runs `write` on a storing archive and returns the bytes that reached the file.
template <typename Write>
std::string Stored(Write write)
{
    TempFolder folder;
    const std::string path = folder / "out";
    const int fd = open(path.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
    {
        Archive archive(fd, Archive::Mode::Storing);
        write(archive);
        archive.Close();
    }
    close(fd);
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

struct StringForm {
    const char* name;
    std::string bytes;
    std::string expected;
};

class ArchiveReadString : public testing::TestWithParam<StringForm> {};

TEST_P(ArchiveReadString, ReadsEveryPrefixFormAndConsumesExactlyTheString)
{
    // A marker int after the string proves the reader stopped at its end.
    FileWith file(GetParam().bytes + DataFileWriter().Int32(0x7A7A7A7A).bytes());
    Archive archive(file.fd(), Archive::Mode::Loading);
    EXPECT_TRUE(archive.IsLoading());
    EXPECT_EQ(archive.ReadString(), GetParam().expected);
    EXPECT_EQ(archive.ReadInt32(), 0x7A7A7A7A);
}

INSTANTIATE_TEST_SUITE_P(
    Forms, ArchiveReadString,
    testing::Values(
        StringForm{"OneByte", Bytes({0x05, 'h', 'e', 'l', 'l', 'o'}), "hello"},
        StringForm{"SixteenBit", Bytes({0xFF, 0x05, 0x00, 'h', 'e', 'l', 'l', 'o'}), "hello"},
        StringForm{"ThirtyTwoBit",
                   Bytes({0xFF, 0xFF, 0xFF, 0x05, 0, 0, 0, 'h', 'e', 'l', 'l', 'o'}), "hello"},
        StringForm{"Empty", Bytes({0x00}), ""},
        StringForm{"NarrowBytesUnconverted", Bytes({0x03, 0x80, 0x00, 0xFF}),
                   std::string("\x80\x00\xFF", 3)},
        StringForm{"Wide", Bytes({0xFF, 0xFE, 0xFF, 0x02, 'h', 0, 'i', 0}), "hi"},
        StringForm{"WideLongPrefix", Bytes({0xFF, 0xFE, 0xFF, 0xFF, 0x02, 0x00, 'h', 0, 'i', 0}),
                   "hi"},
        StringForm{"WideEmpty", Bytes({0xFF, 0xFE, 0xFF, 0x00}), ""},
        StringForm{"WideStopsAtZero", Bytes({0xFF, 0xFE, 0xFF, 0x03, 'h', 0, 0, 0, 'i', 0}), "h"},
        StringForm{"WideToCodePage",
                   Bytes({0xFF, 0xFE, 0xFF, 0x03, 0xAC, 0x20, 0xE9, 0x00, 0x00, 0x01}),
                   "\x80\xE9?"}),
    [](const testing::TestParamInfo<StringForm>& info) { return std::string(info.param.name); });

struct BrokenInput {
    const char* name;
    std::string bytes;
};

class ArchiveBrokenInput : public testing::TestWithParam<BrokenInput> {};

TEST_P(ArchiveBrokenInput, RaisesInsteadOfReturningAPartialString)
{
    FileWith file(GetParam().bytes);
    Archive archive(file.fd(), Archive::Mode::Loading);
    EXPECT_THROW(archive.ReadString(), ArchiveError);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, ArchiveBrokenInput,
    testing::Values(
        BrokenInput{"NoBytes", ""}, BrokenInput{"CutPrefix", Bytes({0xFF, 0x05})},
        BrokenInput{"ThousandDeclaredTenLeft", Bytes({0xFF, 0xE8, 0x03}) + std::string(10, 'x')},
        // Must fail up front: reserving 4 GiB for it would be the fault.
        BrokenInput{"MaximumDeclared", Bytes({0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF}) + "abc"},
        BrokenInput{"WideHalfCharacter", Bytes({0xFF, 0xFE, 0xFF, 0x02, 'h', 0, 'i'})},
        BrokenInput{"WideMarkerTwice", Bytes({0xFF, 0xFE, 0xFF, 0xFF, 0xFE, 0xFF, 0x01, 'h', 0})}),
    [](const testing::TestParamInfo<BrokenInput>& info) { return std::string(info.param.name); });

TEST(Archive, HugeDeclaredLengthOnAStreamOfUnknownSizeFailsWithoutReservingIt)
{
    int fds[2];
    ASSERT_EQ(pipe(fds), 0);
    const std::string bytes = Bytes({0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF}) + "abc";
    ASSERT_EQ(write(fds[1], bytes.data(), bytes.size()), static_cast<ssize_t>(bytes.size()));
    close(fds[1]);
    Archive archive(fds[0], Archive::Mode::Loading);
    EXPECT_THROW(archive.ReadString(), ArchiveError);
    close(fds[0]);
}

TEST(Archive, FixedSizeValuesFailWhenTheFileEndsInsideThem)
{
    FileWith file(Bytes({0x01, 0x02}));
    Archive archive(file.fd(), Archive::Mode::Loading);
    EXPECT_THROW(archive.ReadInt32(), ArchiveError);

    FileWith floatFile(Bytes({0xCD, 0xCC, 0x4C}));
    Archive floats(floatFile.fd(), Archive::Mode::Loading);
    EXPECT_THROW(floats.ReadFloat32(), ArchiveError);
}

TEST(Archive, ReadsLittleEndianValuesFromTheCurrentPositionAndIgnoresTrailingBytes)
{
    FileWith file(Bytes({0xEE, 0xEE, 0xCD, 0xCC, 0x4C, 0x40, 0xFE, 0xFF, 0xFF, 0xFF, 0x99, 0x99}));
    ASSERT_EQ(lseek(file.fd(), 2, SEEK_SET), 2);
    Archive archive(file.fd(), Archive::Mode::Loading);
    EXPECT_EQ(archive.ReadFloat32(), 3.2f);
    EXPECT_EQ(archive.ReadInt32(), -2);
    EXPECT_NO_THROW(archive.Close());
}

TEST(Archive, ValuesAndStringsSurviveCrossingBufferBoundaries)
{
    const std::string big(2'500'000, 'q');  // larger than any internal piece
    const std::string stored = Stored([&](Archive& archive) {
        EXPECT_FALSE(archive.IsLoading());
        for (int32_t i = 0; i < 3000; ++i) {
            archive.WriteInt32(i * 7919 - 100000);
            archive.WriteString(
                std::string(static_cast<size_t>(i % 300), static_cast<char>('a' + i % 26)));
        }
        archive.WriteString(big);
        archive.WriteFloat32(-1.5f);
    });
    FileWith file(stored);
    Archive archive(file.fd(), Archive::Mode::Loading);
    for (int32_t i = 0; i < 3000; ++i) {
        ASSERT_EQ(archive.ReadInt32(), i * 7919 - 100000) << i;
        ASSERT_EQ(archive.ReadString(),
                  std::string(static_cast<size_t>(i % 300), static_cast<char>('a' + i % 26)));
    }
    EXPECT_EQ(archive.ReadString(), big);
    EXPECT_EQ(archive.ReadFloat32(), -1.5f);
    EXPECT_THROW(archive.ReadInt32(), ArchiveError);
}

// Value i: the int i, then a string of (i * 37) % 5000 bytes that differ along the string
// and between strings, so a view that slipped by a byte or a refill would show.
std::string Mixed(int32_t i)
{
    std::string text(static_cast<size_t>(i * 37 % 5000), ' ');
    for (size_t k = 0; k < text.size(); ++k) {
        text[k] = static_cast<char>('!' + (static_cast<size_t>(i) * 7 + k) % 90);
    }
    return text;
}

constexpr int32_t kMixedValues = 1200;  // about 3 MB: several refills of the largest buffer

void ExpectMixedValues(int fd)
{
    Archive archive(fd, Archive::Mode::Loading);
    for (int32_t i = 0; i < kMixedValues; ++i) {
        ASSERT_EQ(archive.ReadInt32(), i);
        ASSERT_EQ(archive.ReadStringView(), Mixed(i)) << i;
    }
    EXPECT_THROW(archive.ReadStringView(), ArchiveError);
}

TEST(Archive, StringViewsAreWholeAcrossEveryRefillOfAFileAndOfAPipe)
{
    DataFileWriter writer;
    for (int32_t i = 0; i < kMixedValues; ++i) {
        writer.Int32(i).String(Mixed(i));
    }
    const std::string& bytes = writer.bytes();
    ASSERT_GT(bytes.size(), 2 * Archive::kLargestBuffer);

    FileWith file(bytes);
    ExpectMixedValues(file.fd());

    int fds[2];
    ASSERT_EQ(pipe(fds), 0);
    std::thread feeder([&] {
        // Should the reader stop early, a write fails instead of ending the test program.
        sigset_t pipeSignal;
        sigemptyset(&pipeSignal);
        sigaddset(&pipeSignal, SIGPIPE);
        pthread_sigmask(SIG_BLOCK, &pipeSignal, nullptr);
        for (size_t at = 0; at < bytes.size();) {
            const ssize_t put = write(fds[1], bytes.data() + at, bytes.size() - at);
            if (put <= 0) {
                break;
            }
            at += static_cast<size_t>(put);
        }
        close(fds[1]);
    });
    ExpectMixedValues(fds[0]);
    close(fds[0]);  // a reader that stopped early unblocks the feeder
    feeder.join();
}

struct PrefixCase {
    const char* name;
    size_t length;
    std::string prefix;
};

class ArchiveWritePrefix : public testing::TestWithParam<PrefixCase> {};

TEST_P(ArchiveWritePrefix, UsesTheShortestNarrowForm)
{
    const std::string text(GetParam().length, 'x');
    const std::string stored = Stored([&](Archive& archive) { archive.WriteString(text); });
    EXPECT_EQ(stored, GetParam().prefix + text);
}

INSTANTIATE_TEST_SUITE_P(
    Lengths, ArchiveWritePrefix,
    testing::Values(PrefixCase{"Empty", 0, Bytes({0x00})}, PrefixCase{"L254", 254, Bytes({0xFE})},
                    PrefixCase{"L255", 255, Bytes({0xFF, 0xFF, 0x00})},
                    PrefixCase{"L65533", 65533, Bytes({0xFF, 0xFD, 0xFF})},
                    PrefixCase{"L65534", 65534, Bytes({0xFF, 0xFF, 0xFF, 0xFE, 0xFF, 0x00, 0x00})}),
    [](const testing::TestParamInfo<PrefixCase>& info) { return std::string(info.param.name); });

TEST(Archive, WritesFixedSizeValuesLittleEndian)
{
    const std::string stored = Stored([](Archive& archive) {
        archive.WriteFloat32(3.2f);
        archive.WriteInt32(-2);
    });
    EXPECT_EQ(stored, Bytes({0xCD, 0xCC, 0x4C, 0x40, 0xFE, 0xFF, 0xFF, 0xFF}));
}

TEST(Archive, AWriteTheFileRefusesRaisesOnCloseButNotInTheDestructor)
{
    TempFolder folder;
    const int fd = open(folder.WriteFile("ro", "").c_str(), O_RDONLY);
    {
        Archive archive(fd, Archive::Mode::Storing);
        archive.WriteInt32(1);
        EXPECT_THROW(archive.Close(), ArchiveError);
    }
    EXPECT_NO_THROW({
        Archive archive(fd, Archive::Mode::Storing);
        archive.WriteInt32(1);
    });
    close(fd);
}

}  // namespace
