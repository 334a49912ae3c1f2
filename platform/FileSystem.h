#pragma once

#include <optional>
#include <string>

namespace razzlewick::platform {

// Paths and folders as the settings store and the data loader need them.

// The path that symbolic links at `path` lead to, followed to the end (which need not
// exist), so a linked file can be replaced where it lives instead of over the link. None
// when the links go round in circles or cannot be read.
std::optional<std::string> FollowLinks(std::string path);

// Creates `folder` and any missing parents (mode 0700). True when the folder exists afterwards.
bool MakeFolders(const std::string& folder);

// `path` made absolute against the current folder; unchanged when it is absolute already or
// the current folder cannot be determined.
std::string AbsolutePath(const std::string& path);

// The mode bits of the regular file at `path` (links followed); none for anything else.
std::optional<unsigned> RegularFilePermissions(const std::string& path);

// Whether this process may write to the file at `path`.
bool IsWritable(const std::string& path);

// A folder with every link and "." or ".." resolved (realpath), ending in '/'; `error` is
// the errno when that fails (ENOENT for a folder that is not there, ELOOP for links that go
// round in circles) and ENOTDIR when the path leads to something other than a folder.
struct ResolvedFolder final {
    std::string path;
    int error = 0;
};
ResolvedFolder ResolveFolder(const std::string& folder);

// Whether anything is at `path`, a link that leads nowhere included.
bool PathExists(const std::string& path);

// Removes the file or link at `path`; 0, or the errno of the failure.
int RemoveFile(const std::string& path);

// The user's home folder: $HOME when it is absolute, else the password database's entry;
// empty when neither gives an absolute path.
std::string HomeFolder();

}  // namespace razzlewick::platform
