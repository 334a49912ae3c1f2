#pragma once

#include <functional>
#include <optional>
#include <string>

namespace razzlewick::platform {

// The step at which replacing a file failed.
enum class ReplaceStep { None, Create, Write, Permissions, Flush, Close, Rename };

struct ReplaceResult final {
    ReplaceStep failedStep = ReplaceStep::None;
    int error = 0;  // errno of the failed step; 0 when the writer failed (it knows why)

    bool Succeeded() const { return failedStep == ReplaceStep::None; }
};

// Replaces the file at `path` so that a failure at any point leaves the old file as it was:
// `writeContents` fills a new file beside it (in the same folder, so the rename cannot cross
// file systems) and answers whether it wrote everything; the new file is then flushed to
// disk and renamed over `path`. `permissions`, when given, become the new file's mode;
// otherwise the process's umask decides, as for any new file. A link at `path` is replaced
// by the file, not followed: callers that keep links resolve them first. The temporary's
// name is hidden and cut to fit the file system's name limit with its suffix, so any name
// that may exist can be written.
ReplaceResult ReplaceFileAtomically(const std::string& path,
                                    const std::function<bool(int fd)>& writeContents,
                                    std::optional<unsigned> permissions = std::nullopt);

// As ReplaceFileAtomically, but the file appears at `path` only if nothing is there: the
// last step fails with EEXIST (the Rename step) when something is, however late it came, so
// two writers of one new name cannot both succeed.
ReplaceResult CreateFileAtomically(const std::string& path,
                                   const std::function<bool(int fd)>& writeContents,
                                   std::optional<unsigned> permissions = std::nullopt);

}  // namespace razzlewick::platform
