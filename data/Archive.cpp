#include "data/Archive.h"

#include "data/ArchiveError.h"
#include "data/Windows1252.h"
#include "platform/FdIo.h"

#include <algorithm>
#include <bit>
#include <cstring>
#include <utility>

namespace razzlewick {

namespace {

// Strings are read into memory in pieces of this size, so a stream whose length is unknown
// (a pipe) still cannot make a lying prefix reserve more than it delivers.
constexpr size_t kStringChunk = 1 << 20;

std::string SystemError(const char* what, int error)
{
    return std::string(what) + ": " + std::strerror(error);
}

}  // namespace

Archive::Archive(int fd, Mode mode)
    : fd_(fd), mode_(mode), buffer_(std::make_unique_for_overwrite<char[]>(kBufferSize))
{
    if (mode_ != Mode::Loading) {
        return;
    }
    fileRemaining_ = platform::BytesLeftInRegularFile(fd_).value_or(-1);
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
    const platform::IoResult got = platform::ReadSome(fd_, dest, count);
    if (got.error != 0) {
        throw ArchiveError(SystemError("read of the data file failed", got.error));
    }
    if (fileRemaining_ >= 0) {
        fileRemaining_ = std::max<int64_t>(0, fileRemaining_ - static_cast<int64_t>(got.count));
    }
    bytesFromFile_ += got.count;
    return got.count;
}

void Archive::GrowForTheRestOfTheFile()
{
    if (!firstBlockRead_ || fileRemaining_ <= 0) {
        return;
    }
    const size_t kept = end_ - position_;
    const auto wanted = static_cast<size_t>(
        std::min<uint64_t>(kept + static_cast<uint64_t>(fileRemaining_), kLargestBuffer));
    if (wanted <= capacity_) {
        return;
    }
    // Not zeroed: every byte is read over before it is used.
    auto larger = std::make_unique_for_overwrite<char[]>(wanted);
    std::memcpy(larger.get(), buffer_.get() + position_, kept);
    buffer_ = std::move(larger);
    capacity_ = wanted;
    position_ = 0;
    end_ = kept;
}

void Archive::Require(size_t count)
{
    if (end_ - position_ >= count) {
        return;
    }
    GrowForTheRestOfTheFile();
    std::memmove(buffer_.get(), buffer_.get() + position_, end_ - position_);
    end_ -= position_;
    position_ = 0;
    // A regular file fills the buffer; a stream is read only until the value is there, as
    // more may not come soon.
    while (end_ < capacity_ && (end_ < count || fileRemaining_ > 0)) {
        const size_t got = ReadFromFile(buffer_.get() + end_, capacity_ - end_);
        if (got == 0) {
            break;
        }
        end_ += got;
    }
    firstBlockRead_ = true;
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
    const auto* p = reinterpret_cast<const unsigned char*>(buffer_.get() + position_);
    position_ += 2;
    return static_cast<uint16_t>(p[0] | (p[1] << 8));
}

uint32_t Archive::ReadUInt32()
{
    Require(4);
    const auto* p = reinterpret_cast<const unsigned char*>(buffer_.get() + position_);
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

void Archive::CheckDeclaredLength(uint64_t count) const
{
    const size_t buffered = end_ - position_;
    if (fileRemaining_ >= 0 && count > buffered + static_cast<uint64_t>(fileRemaining_)) {
        throw ArchiveError(
            "end of data: a string of " + std::to_string(count) + " bytes declared, " +
            std::to_string(buffered + static_cast<uint64_t>(fileRemaining_)) + " left");
    }
}

void Archive::ReadLongBytes(uint64_t count)
{
    const size_t buffered = end_ - position_;
    const size_t fromBuffer = static_cast<size_t>(std::min<uint64_t>(count, buffered));
    text_.assign(buffer_.get() + position_, fromBuffer);
    position_ += fromBuffer;
    // The rest comes straight from the file, in bounded pieces.
    uint64_t missing = count - fromBuffer;
    while (missing > 0) {
        const size_t piece = static_cast<size_t>(std::min<uint64_t>(missing, kStringChunk));
        const size_t start = text_.size();
        text_.resize(start + piece);
        size_t filled = 0;
        while (filled < piece) {
            const size_t got = ReadFromFile(text_.data() + start + filled, piece - filled);
            if (got == 0) {
                throw ArchiveError("end of data: a string of " + std::to_string(count) +
                                   " bytes broke off after " + std::to_string(start + filled) +
                                   " bytes");
            }
            filled += got;
        }
        missing -= piece;
    }
}

std::string_view Archive::ReadBytesView(uint64_t count)
{
    CheckDeclaredLength(count);
    if (end_ - position_ < count) {
        GrowForTheRestOfTheFile();
        if (count > capacity_) {
            ReadLongBytes(count);
            return text_;
        }
        Require(static_cast<size_t>(count));
    }
    const std::string_view bytes(buffer_.get() + position_, static_cast<size_t>(count));
    position_ += static_cast<size_t>(count);
    return bytes;
}

std::string_view Archive::ReadStringView(uint64_t longest)
{
    bool wide = false;
    const uint32_t length = ReadLength(&wide);
    if (length == 0) {
        return {};
    }
    if (length > longest) {
        throw ArchiveError("a string of " + std::to_string(length) +
                           " characters declared, at most " + std::to_string(longest) + " allowed");
    }
    if (!wide) {
        return ReadBytesView(length);
    }
    const std::string_view bytes = ReadBytesView(uint64_t{length} * 2);
    std::u16string units(length, u'\0');
    for (size_t i = 0; i < units.size(); ++i) {
        units[i] = static_cast<char16_t>(static_cast<unsigned char>(bytes[2 * i]) |
                                         (static_cast<unsigned char>(bytes[2 * i + 1]) << 8));
    }
    text_ = Utf16ToWindows1252(units);
    return text_;
}

std::string Archive::ReadString(uint64_t longest)
{
    const std::string_view text = ReadStringView(longest);
    if (!text.empty() && text.data() == text_.data()) {
        return std::exchange(text_, {});  // already a string of its own: hand it over
    }
    return std::string(text);
}

void Archive::WriteAll(const char* bytes, size_t count)
{
    if (const int error = platform::WriteAll(fd_, std::string_view(bytes, count))) {
        throw ArchiveError(SystemError("write of the data file failed", error));
    }
}

void Archive::Flush()
{
    const size_t pending = position_;
    position_ = 0;
    WriteAll(buffer_.get(), pending);
}

void Archive::PutBytes(const void* bytes, size_t count)
{
    const auto* source = static_cast<const char*>(bytes);
    while (count > 0) {
        if (position_ == capacity_) {
            Flush();
        }
        const size_t piece = std::min(count, capacity_ - position_);
        std::memcpy(buffer_.get() + position_, source, piece);
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

}  // namespace razzlewick
