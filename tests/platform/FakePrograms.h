#pragma once

// A private PATH of small shell scripts standing in for the desktop helpers (xdg-open,
// xdg-mime, xdg-email, a browser), so tests start real processes without reaching the
// real desktop. Each script records its arguments and exits with a chosen code.

#include <stdlib.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <optional>
#include <sstream>
#include <string>
#include <vector>

namespace testing_support {

class FakePrograms final {
public:
    FakePrograms()
    {
        std::string pattern =
            (std::filesystem::temp_directory_path() / "razzlewick-fake-XXXXXX").string();
        folder_ = mkdtemp(pattern.data());
        SaveVariable("PATH");
        SaveVariable("XDG_DATA_HOME");
        SaveVariable("XDG_DATA_DIRS");
        // Only the fakes: a real xdg-open must never be reached from a test.
        setenv("PATH", folder_.c_str(), 1);
        setenv("XDG_DATA_HOME", (folder_ + "/data").c_str(), 1);
        setenv("XDG_DATA_DIRS", (folder_ + "/system").c_str(), 1);
    }

    ~FakePrograms()
    {
        for (const auto& [name, value] : saved_) {
            if (value) {
                setenv(name.c_str(), value->c_str(), 1);
            } else {
                unsetenv(name.c_str());
            }
        }
        std::error_code ignored;
        std::filesystem::remove_all(folder_, ignored);
    }

    FakePrograms(const FakePrograms&) = delete;
    FakePrograms& operator=(const FakePrograms&) = delete;

    const std::string& Folder() const { return folder_; }

    // Installs a fake program that records its arguments and prints `output`.
    void Add(const std::string& name, const std::string& output = {})
    {
        const std::string script = folder_ + "/" + name;
        std::ofstream file(script);
        file << "#!/bin/sh\n"
             << "d='" << folder_ << "'\n"
             << "for a in \"$@\"; do printf '%s\\037' \"$a\"; done >> \"$d/" << name << ".log\"\n"
             << "printf '\\n' >> \"$d/" << name << ".log\"\n";
        if (!output.empty()) {
            std::ofstream(folder_ + "/" + name + ".out") << output;
            file << "while IFS= read -r l; do printf '%s\\n' \"$l\"; done < \"$d/" << name
                 << ".out\"\n";
        }
        file << "code=0\n"
             << "for last in \"$@\"; do :; done\n"
             << "if [ -f \"$d/" << name << ".exit\" ]; then read code < \"$d/" << name
             << ".exit\"; fi\n"
             << "b=${last##*/}\n"
             << "if [ -n \"$b\" ] && [ -f \"$d/" << name << ".exit.$b\" ]; then read code < \"$d/"
             << name << ".exit.$b\"; fi\n"
             // A lingering fake lets go of the test's output, or CTest waits for it.
             << "if [ \"$code\" = sleep ]; then exec /bin/sleep 5 </dev/null >/dev/null 2>&1; fi\n"
             << "exit $code\n";
        file.close();
        std::filesystem::permissions(script, std::filesystem::perms::owner_all);
    }

    // The exit code of every later run of `name`; "sleep" keeps it running for 5 s, with its
    // standard streams closed.
    void SetExit(const std::string& name, const std::string& code)
    {
        std::ofstream(folder_ + "/" + name + ".exit") << code << "\n";
    }

    // The exit code when the last argument's file name part is `baseName`.
    void SetExitFor(const std::string& name, const std::string& baseName, const std::string& code)
    {
        std::ofstream(folder_ + "/" + name + ".exit." + baseName) << code << "\n";
    }

    // The argument lists of every run of `name` so far, oldest first.
    std::vector<std::vector<std::string>> Calls(const std::string& name) const
    {
        std::vector<std::vector<std::string>> calls;
        std::ifstream log(folder_ + "/" + name + ".log");
        std::string line;
        while (std::getline(log, line)) {
            std::vector<std::string> arguments;
            std::istringstream fields(line);
            std::string field;
            while (std::getline(fields, field, '\037')) {
                arguments.push_back(field);
            }
            calls.push_back(arguments);
        }
        return calls;
    }

    // Writes a file below the fake folder (parents made) and returns its path.
    std::string WriteFile(const std::string& relativePath, const std::string& content) const
    {
        const auto path = std::filesystem::path(folder_) / relativePath;
        std::filesystem::create_directories(path.parent_path());
        std::ofstream(path, std::ios::binary) << content;
        return path.string();
    }

private:
    void SaveVariable(const std::string& name)
    {
        const char* value = std::getenv(name.c_str());
        saved_.emplace_back(name,
                            value == nullptr ? std::nullopt : std::optional<std::string>(value));
    }

    std::string folder_;
    std::vector<std::pair<std::string, std::optional<std::string>>> saved_;
};

}  // namespace testing_support
