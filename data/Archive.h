#pragma once

#include <cstddef>
#include <cstdint>
#include <memory>
#include <string>
#include <string_view>

namespace razzlewick {

// Little-endian value stream over an open file descriptor. The archive never owns the
// descriptor: the caller opens and closes the file. Every read returns a complete value or
// raises ArchiveError.
// Loading reads a first block of 4,096 bytes, so a file of the wrong kind costs no more.
// The rest of a regular file then comes in reads into a buffer sized from the file, up to
// kLargestBuffer: a file that size arrives in one read, a larger one in pieces that are
// still in the cache when they are parsed (a buffer for all of it only adds memory and
// page faults). A pipe or other stream goes on in 4,096-byte blocks.
class Archive final {
public:
    enum class Mode { Loading, Storing };

    static constexpr size_t kBufferSize = 4096;
    static constexpr size_t kLargestBuffer = size_t{1} << 20;
    static constexpr uint64_t kAnyLength = UINT64_MAX;

    Archive(int fd, Mode mode);
    ~Archive();

    Archive(const Archive&) = delete;
    Archive& operator=(const Archive&) = delete;

    bool IsLoading() const { return mode_ == Mode::Loading; }

    int32_t ReadInt32();
    float ReadFloat32();
    // Narrow text is returned as stored; wide text (UTF-16LE) is converted to Windows-1252.
    // A string declared longer than `longest` characters raises ArchiveError before any of
    // its text is read.
    std::string ReadString(uint64_t longest = kAnyLength);
    // As ReadString without a copy: the view is valid until the next read.
    std::string_view ReadStringView(uint64_t longest = kAnyLength);
    // The bytes the values read so far took from the file.
    uint64_t BytesRead() const { return bytesFromFile_ - (end_ - position_); }

    void WriteInt32(int32_t value);
    void WriteFloat32(float value);
    // Always the shortest narrow length prefix; never the wide marker.
    void WriteString(std::string_view text);

    // Storing: writes out the buffered bytes (ArchiveError when the file refuses them).
    // Loading: nothing. Never checks that the whole file was consumed.
    void Close();

private:
    // Makes at least `count` (<= the buffer's capacity) bytes available at the read
    // position; raises ArchiveError (end of data) when the file has fewer left.
    void Require(size_t count);
    // Before a refill after the first block: a regular file with more left gets a buffer sized
    // for the rest, up to kLargestBuffer.
    void GrowForTheRestOfTheFile();
    uint8_t ReadByte();
    uint16_t ReadUInt16();
    uint32_t ReadUInt32();
    // Reads a length prefix; sets *wide when the wide marker came first.
    uint32_t ReadLength(bool* wide);
    // Raises ArchiveError when a declared string length exceeds what the file still holds.
    void CheckDeclaredLength(uint64_t count) const;
    std::string_view ReadBytesView(uint64_t count);
    // Strings larger than the buffer, into text_, from the buffer and then the file.
    void ReadLongBytes(uint64_t count);
    // Reads up to `count` bytes from the file into `dest`; returns the number read (0 = end).
    size_t ReadFromFile(char* dest, size_t count);

    void PutBytes(const void* bytes, size_t count);
    void Flush();
    void WriteAll(const char* bytes, size_t count);

    int fd_;
    Mode mode_;
    std::unique_ptr<char[]> buffer_;
    size_t capacity_ = kBufferSize;
    size_t position_ = 0;  // next byte to read, or next free byte when storing
    size_t end_ = 0;       // end of the valid bytes when loading
    // Bytes left in the file behind the buffer when it is a regular file, so an absurd
    // declared string length fails before anything is reserved; -1 when unknown.
    int64_t fileRemaining_ = -1;
    uint64_t bytesFromFile_ = 0;
    bool firstBlockRead_ = false;
    // Strings that are not read in place: wide text, and text longer than the buffer.
    std::string text_;
    bool closed_ = false;
};

}  // namespace razzlewick
