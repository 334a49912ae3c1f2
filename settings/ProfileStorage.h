#pragma once

#include <optional>
#include <string>

// The file-system side of the settings store: finding a file by name without regard to case,
// reading it whole, and replacing it so that a failure at any point leaves the old file intact.
namespace ProfileStorage {

// The name of the entry in folder that equals name without regard to ASCII case; of several,
// the smallest in byte order, so every spelling of the name picks the same file.
std::optional<std::string> FindIgnoringCase(const std::string& folder, const std::string& name);

struct FileContents {
    std::string text;
    unsigned permissions = 0;  // the file's mode bits, to give its replacement
};

enum class ReadResult { read, missing, failed };

// Reads the regular file at path whole. A path that does not exist is missing; one that is
// not a regular file (a folder, a pipe, a device), or any other error, is failed. Opening
// never waits, not even on a pipe with no writer.
ReadResult ReadWhole(const std::string& path, FileContents& contents);

// The path that symbolic links at path lead to, followed to the end (which need not exist),
// so that a linked file can be replaced where it lives instead of over the link. None when
// the links go round in circles or cannot be read.
std::optional<std::string> FollowLinks(std::string path);

// Creates folder and any missing parents (mode 0700). True when the folder exists afterwards.
bool MakeFolders(const std::string& folder);

// Writes text to a temporary file in folder, flushes it to disk and renames it over
// folder + name. permissions, when given, are set on the new file; otherwise the process's
// umask decides. False, with nothing changed, when any step fails.
bool Replace(const std::string& folder, const std::string& name, const std::string& text,
             std::optional<unsigned> permissions);

}  // namespace ProfileStorage
