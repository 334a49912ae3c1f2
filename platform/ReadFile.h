#pragma once

#include <cstddef>
#include <string>

namespace razzlewick::platform {

// Whole files read into memory.

struct FileText final {
    std::string text;
    int error = 0;            // errno of the failed open or read; 0 when the text is complete
    bool notRegular = false;  // a folder, pipe, device or socket: refused, nothing read
    bool tooLarge = false;    // more than the bytes allowed: refused
};

// Reads a regular file of at most `maxBytes` whole. Anything else is refused before a read
// (so a device without end, or a pipe without writer, cannot hold the reader), and so is a
// larger file, even one that grows while it is read.
FileText ReadBoundedRegularFile(const std::string& path, std::size_t maxBytes);

// The first `maxBytes` bytes of a regular file, or fewer when it is shorter; empty for anything
// else or when it cannot be read. Never waits, not even on a pipe with no writer.
std::string ReadRegularFileStart(const std::string& path, std::size_t maxBytes);

enum class RegularFileRead { Read, Missing, Failed, TooLarge };

struct RegularFileContents final {
    std::string text;
    unsigned permissions = 0;  // the file's mode bits, to give a replacement
};

// Reads a regular file of at most `maxBytes` whole. A path that does not exist (or runs
// through a file as if it were a folder) is Missing; one that is not a regular file (a
// folder, a pipe, a device), or any other error, is Failed; a larger file, even one that
// grows while it is read, is TooLarge, found before any room is made for it. Opening never
// waits, not even on a pipe with no writer.
RegularFileRead ReadRegularFile(const std::string& path, RegularFileContents& contents,
                                std::size_t maxBytes);

}  // namespace razzlewick::platform
