#pragma once

#include <string>

namespace razzlewick::platform {

// Whole files read into memory.

struct FileText final {
    std::string text;
    int error = 0;  // errno of the failed open or read; 0 when the text is complete
};

// Reads whatever `path` names to its end: a file, or a pipe such as a shell's <(...).
FileText ReadWholeFile(const std::string& path);

enum class RegularFileRead { Read, Missing, Failed };

struct RegularFileContents final {
    std::string text;
    unsigned permissions = 0;  // the file's mode bits, to give a replacement
};

// Reads a regular file whole. A path that does not exist (or runs through a file as if it
// were a folder) is Missing; one that is not a regular file (a folder, a pipe, a device),
// or any other error, is Failed. Opening never waits, not even on a pipe with no writer.
RegularFileRead ReadRegularFile(const std::string& path, RegularFileContents& contents);

}  // namespace razzlewick::platform
