#include "data/Archive.h"

#include "data/ArchiveError.h"
#include "data/Windows1252.h"

#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <bit>
#include <cerrno>
#include <cstring>

namespace {

// Strings are read into memory in pieces of this size, so a stream whose length is unknown
// (a pipe) still cannot make a lying prefix reserve more than it delivers.
constexpr size_t kStringChunk = 1 << 20;

std::string SystemError(const char* what, int error)
{
    return std::string(what) + ": " + std::strerror(error);
}

}  // namespace

Archive::Archive(int fd, Mode mode) : fd_(fd), mode_(mode)
{
    if (mode_ != Mode::Loading) {
        return;
    }
    struct stat info {};
    if (fstat(fd_, &info) == 0 && S_ISREG(info.st_mode)) {
        const off_t offset = lseek(fd_, 0, SEEK_CUR);
        if (offset >= 0) {
            fileRemaining_ = std::max<int64_t>(0, static_cast<int64_t>(info.st_size) - offset);
        }
    }
}

Archive::~Archive()
{
    if (mode_ == Mode::Storing && !closed_) {
        try {
            Flush();
        } catch (const ArchiveError&) {
            // A destructor must not throw; callers that care call Close().
        }
    }
}

size_t Archive::ReadFromFile(char* dest, size_t count)
{
    for (;;) {
        const ssize_t got = read(fd_, dest, count);
        if (got >= 0) {
            if (fileRemaining_ >= 0) {
                fileRemaining_ = std::max<int64_t>(0, fileRemaining_ - got);
            }
            return static_cast<size_t>(got);
        }
        if (errno != EINTR) {
            throw ArchiveError(SystemError("read of the data file failed", errno));
        }
    }
}

void Archive::Require(size_t count)
{
    if (end_ - position_ >= count) {
        return;
    }
    std::memmove(buffer_.data(), buffer_.data() + position_, end_ - position_);
    end_ -= position_;
    position_ = 0;
    while (end_ < count && end_ < buffer_.size()) {
        const size_t got = ReadFromFile(buffer_.data() + end_, buffer_.size() - end_);
        if (got == 0) {
            break;
        }
        end_ += got;
    }
    if (end_ < count) {
        throw ArchiveError("end of data: " + std::to_string(count) + " bytes needed, " +
                           std::to_string(end_) + " left");
    }
}

uint8_t Archive::ReadByte()
{
    Require(1);
    return static_cast<uint8_t>(buffer_[position_++]);
}

uint16_t Archive::ReadUInt16()
{
    Require(2);
    const auto* p = reinterpret_cast<const unsigned char*>(buffer_.data() + position_);
    position_ += 2;
    return static_cast<uint16_t>(p[0] | (p[1] << 8));
}

uint32_t Archive::ReadUInt32()
{
    Require(4);
    const auto* p = reinterpret_cast<const unsigned char*>(buffer_.data() + position_);
    position_ += 4;
    return static_cast<uint32_t>(p[0]) | (static_cast<uint32_t>(p[1]) << 8) |
           (static_cast<uint32_t>(p[2]) << 16) | (static_cast<uint32_t>(p[3]) << 24);
}

int32_t Archive::ReadInt32()
{
    return static_cast<int32_t>(ReadUInt32());
}

float Archive::ReadFloat32()
{
    return std::bit_cast<float>(ReadUInt32());
}

uint32_t Archive::ReadLength(bool* wide)
{
    const uint8_t first = ReadByte();
    if (first < 0xFF) {
        return first;
    }
    const uint16_t word = ReadUInt16();
    if (word == 0xFFFE) {
        if (*wide) {
            throw ArchiveError("malformed string: a wide marker after a wide marker");
        }
        *wide = true;
        return ReadLength(wide);
    }
    if (word == 0xFFFF) {
        return ReadUInt32();
    }
    return word;
}

std::string Archive::ReadBytes(uint64_t count)
{
    const size_t buffered = end_ - position_;
    if (fileRemaining_ >= 0 && count > buffered + static_cast<uint64_t>(fileRemaining_)) {
        throw ArchiveError(
            "end of data: a string of " + std::to_string(count) + " bytes declared, " +
            std::to_string(buffered + static_cast<uint64_t>(fileRemaining_)) + " left");
    }
    std::string text;
    const size_t fromBuffer = static_cast<size_t>(std::min<uint64_t>(count, buffered));
    text.assign(buffer_.data() + position_, fromBuffer);
    position_ += fromBuffer;
    // The rest comes straight from the file, in bounded pieces.
    uint64_t missing = count - fromBuffer;
    while (missing > 0) {
        const size_t piece = static_cast<size_t>(std::min<uint64_t>(missing, kStringChunk));
        const size_t start = text.size();
        text.resize(start + piece);
        size_t filled = 0;
        while (filled < piece) {
            const size_t got = ReadFromFile(text.data() + start + filled, piece - filled);
            if (got == 0) {
                throw ArchiveError("end of data: a string of " + std::to_string(count) +
                                   " bytes broke off after " + std::to_string(start + filled) +
                                   " bytes");
            }
            filled += got;
        }
        missing -= piece;
    }
    return text;
}

std::string Archive::ReadString()
{
    bool wide = false;
    const uint32_t length = ReadLength(&wide);
    if (length == 0) {
        return {};
    }
    if (!wide) {
        return ReadBytes(length);
    }
    const std::string bytes = ReadBytes(uint64_t{length} * 2);
    std::u16string units(length, u'\0');
    for (size_t i = 0; i < units.size(); ++i) {
        units[i] = static_cast<char16_t>(static_cast<unsigned char>(bytes[2 * i]) |
                                         (static_cast<unsigned char>(bytes[2 * i + 1]) << 8));
    }
    return Utf16ToWindows1252(units);
}

void Archive::WriteAll(const char* bytes, size_t count)
{
    while (count > 0) {
        const ssize_t put = write(fd_, bytes, count);
        if (put < 0) {
            if (errno == EINTR) {
                continue;
            }
            throw ArchiveError(SystemError("write of the data file failed", errno));
        }
        bytes += put;
        count -= static_cast<size_t>(put);
    }
}

void Archive::Flush()
{
    const size_t pending = position_;
    position_ = 0;
    WriteAll(buffer_.data(), pending);
}

void Archive::PutBytes(const void* bytes, size_t count)
{
    const auto* source = static_cast<const char*>(bytes);
    while (count > 0) {
        if (position_ == buffer_.size()) {
            Flush();
        }
        const size_t piece = std::min(count, buffer_.size() - position_);
        std::memcpy(buffer_.data() + position_, source, piece);
        position_ += piece;
        source += piece;
        count -= piece;
    }
}

void Archive::WriteInt32(int32_t value)
{
    const auto bits = static_cast<uint32_t>(value);
    const unsigned char bytes[4] = {
        static_cast<unsigned char>(bits), static_cast<unsigned char>(bits >> 8),
        static_cast<unsigned char>(bits >> 16), static_cast<unsigned char>(bits >> 24)};
    PutBytes(bytes, sizeof bytes);
}

void Archive::WriteFloat32(float value)
{
    WriteInt32(std::bit_cast<int32_t>(value));
}

void Archive::WriteString(std::string_view text)
{
    if (text.size() > 0xFFFFFFFFu) {
        throw ArchiveError("string of " + std::to_string(text.size()) +
                           " bytes is too long to store");
    }
    const auto length = static_cast<uint32_t>(text.size());
    if (length < 0xFF) {
        const auto byte = static_cast<unsigned char>(length);
        PutBytes(&byte, 1);
    } else if (length < 0xFFFE) {
        const unsigned char prefix[3] = {0xFF, static_cast<unsigned char>(length),
                                         static_cast<unsigned char>(length >> 8)};
        PutBytes(prefix, sizeof prefix);
    } else {
        const unsigned char prefix[3] = {0xFF, 0xFF, 0xFF};
        PutBytes(prefix, sizeof prefix);
        WriteInt32(static_cast<int32_t>(length));
    }
    PutBytes(text.data(), text.size());
}

void Archive::Close()
{
    if (closed_) {
        return;
    }
    closed_ = true;
    if (mode_ == Mode::Storing) {
        Flush();
    }
}
