#pragma once

#include <optional>
#include <string>
#include <vector>

// The bytes of the file at `path`; empty when it cannot be read.
std::string ReadWholeFile(const std::string& path);

// A fresh folder under $TMPDIR (or /tmp), removed with everything in it when the object
// goes, even where a test took permissions away. path() ends in '/' so names can be
// appended directly.
class TempFolder final {
public:
    TempFolder();
    ~TempFolder();
    TempFolder(const TempFolder&) = delete;
    TempFolder& operator=(const TempFolder&) = delete;

    const std::string& path() const { return path_; }
    std::string operator/(const std::string& name) const { return path_ + name; }

    // Writes `bytes` to the file `name` (below this folder) and returns its full path.
    std::string WriteFile(const std::string& name, const std::string& bytes) const;
    // The bytes of the file `name`; empty when it cannot be read.
    std::string ReadFile(const std::string& name) const;
    // Names of the entries in the folder (or in a folder below it), sorted.
    std::vector<std::string> Entries(const std::string& subfolder = {}) const;

private:
    std::string path_;
};

// Makes `folder` the process's current folder for the lifetime of the object.
class CurrentFolder final {
public:
    explicit CurrentFolder(const std::string& folder);
    ~CurrentFolder();
    CurrentFolder(const CurrentFolder&) = delete;
    CurrentFolder& operator=(const CurrentFolder&) = delete;

private:
    std::string previous_;
};

// Sets (or with std::nullopt unsets) an environment variable for the lifetime of the object,
// then restores it as it was (unset when it was unset).
class ScopedEnvironment final {
public:
    ScopedEnvironment(std::string name, const std::optional<std::string>& value);
    ~ScopedEnvironment();
    ScopedEnvironment(const ScopedEnvironment&) = delete;
    ScopedEnvironment& operator=(const ScopedEnvironment&) = delete;

private:
    std::string name_;
    std::string previous_;
    bool wasSet_ = false;
};
