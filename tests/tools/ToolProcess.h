#pragma once

#include <filesystem>
#include <string>
#include <vector>

// Runs the built razzlewick-data as a real process and a scratch folder to run it in.

struct ToolRun {
    int status = -1;  // exit status, or -1 when the process did not exit normally
    std::string out;
    std::string err;
};

// Runs `program` (the built tool unless given) with `args` in `folder`.
ToolRun RunTool(const std::vector<std::string>& args, const std::filesystem::path& folder,
                const std::filesystem::path& program = {});

// A fresh folder under the system's temporary folder, removed with the object.
class ScratchFolder final {
public:
    ScratchFolder();
    ~ScratchFolder();
    ScratchFolder(const ScratchFolder&) = delete;
    ScratchFolder& operator=(const ScratchFolder&) = delete;

    const std::filesystem::path& path() const { return path_; }
    std::filesystem::path operator/(const std::string& name) const { return path_ / name; }
    void Write(const std::string& name, const std::string& bytes) const;
    std::string Read(const std::string& name) const;
    // Names of the entries in the folder, sorted.
    std::vector<std::string> Entries() const;

private:
    std::filesystem::path path_;
};
