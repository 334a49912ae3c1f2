#pragma once

#include "tests/support/TempFolder.h"

#include <memory>
#include <string>
#include <vector>

// A private PATH of small shell scripts standing in for the desktop helpers (xdg-open,
// xdg-mime, xdg-email, a browser), so tests start real processes without reaching the
// real desktop. Each script records its arguments and exits with a chosen code.

namespace testing_support {

class FakePrograms final {
public:
    // Only the fakes are on PATH, and the desktop-file folders are below Folder().
    FakePrograms();
    ~FakePrograms();
    FakePrograms(const FakePrograms&) = delete;
    FakePrograms& operator=(const FakePrograms&) = delete;

    // The folder of the fakes, without a final '/'.
    const std::string& Folder() const { return folder_; }

    // Installs a fake program that records its arguments and prints `output`.
    void Add(const std::string& name, const std::string& output = {}) const;

    // The exit code of every later run of `name`; "sleep" keeps it running for 5 s, with its
    // standard streams closed.
    void SetExit(const std::string& name, const std::string& code) const;

    // The exit code when the last argument's file name part is `baseName`.
    void SetExitFor(const std::string& name, const std::string& baseName,
                    const std::string& code) const;

    // The argument lists of every run of `name` so far, oldest first.
    std::vector<std::vector<std::string>> Calls(const std::string& name) const;

    // Writes a file below the fake folder (parents made) and returns its path.
    std::string WriteFile(const std::string& relativePath, const std::string& content) const;

private:
    TempFolder temp_;
    std::string folder_;
    // A real xdg-open must never be reached from a test.
    std::vector<std::unique_ptr<ScopedEnvironment>> environment_;
};

}  // namespace testing_support
