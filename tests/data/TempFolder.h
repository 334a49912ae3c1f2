#pragma once

#include <string>

// A fresh folder made with mkdtemp, removed with everything in it when the object goes.
// path() ends in '/' so file names can be appended directly.
class TempFolder final {
public:
    TempFolder();
    ~TempFolder();
    TempFolder(const TempFolder&) = delete;
    TempFolder& operator=(const TempFolder&) = delete;

    const std::string& path() const { return path_; }
    std::string operator/(const std::string& name) const { return path_ + name; }

    // Writes `bytes` to the file `name` in this folder and returns its full path.
    std::string WriteFile(const std::string& name, const std::string& bytes) const;

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
