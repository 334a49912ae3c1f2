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

    Archive(int fd, Mode mode);
    ~Archive();

    Archive(const Archive&) = delete;
    Archive& operator=(const Archive&) = delete;

    bool IsLoading() const { return mode_ == Mode::Loading; }

    int32_t ReadInt32();
    float ReadFloat32();
    // Narrow text is returned as stored; wide text (UTF-16LE) is converted to Windows-1252.
    std::string ReadString();
    // As ReadString without a copy: the view is valid until the next read.
    std::string_view ReadStringView();
    // Raises ArchiveError when `count` values of at least `smallest` bytes each cannot fit in
    // what a regular file still holds, so a count that lies fails before anything is read or
    // kept for it. Counts of zero or less, and streams of unknown length, pass.
    void CheckDeclaredCount(int32_t count, uint64_t smallest) const;

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
    bool firstBlockRead_ = false;
    // Strings that are not read in place: wide text, and text longer than the buffer.
    std::string text_;
    bool closed_ = false;
};

}  // namespace razzlewick
