#include "tests/support/FakePrograms.h"

#include <filesystem>
#include <fstream>
#include <sstream>

namespace testing_support {

FakePrograms::FakePrograms() : folder_(temp_.path().substr(0, temp_.path().size() - 1))
{
    for (const auto& [name, value] : {std::pair<std::string, std::string>{"PATH", folder_},
                                      {"XDG_DATA_HOME", folder_ + "/data"},
                                      {"XDG_DATA_DIRS", folder_ + "/system"}}) {
        environment_.push_back(std::make_unique<ScopedEnvironment>(name, value));
    }
}

FakePrograms::~FakePrograms() = default;

void FakePrograms::Add(const std::string& name, const std::string& output) const
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
         << name
         << ".exit.$b\"; fi\n"
         // A lingering fake lets go of the test's output, or CTest waits for it.
         << "if [ \"$code\" = sleep ]; then exec /bin/sleep 5 </dev/null >/dev/null 2>&1; fi\n"
         << "exit $code\n";
    file.close();
    std::filesystem::permissions(script, std::filesystem::perms::owner_all);
}

void FakePrograms::SetExit(const std::string& name, const std::string& code) const
{
    std::ofstream(folder_ + "/" + name + ".exit") << code << "\n";
}

void FakePrograms::SetExitFor(const std::string& name, const std::string& baseName,
                              const std::string& code) const
{
    std::ofstream(folder_ + "/" + name + ".exit." + baseName) << code << "\n";
}

std::vector<std::vector<std::string>> FakePrograms::Calls(const std::string& name) const
{
    std::vector<std::vector<std::string>> calls;
    std::ifstream log(folder_ + "/" + name + ".log");
    std::string line;
    // A fake writes its arguments one at a time and the newline last, so a test that polls
    // while it runs can meet half a record: only a line with its newline is a call.
    while (std::getline(log, line) && !log.eof()) {
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

std::string FakePrograms::WriteFile(const std::string& relativePath,
                                    const std::string& content) const
{
    const auto path = std::filesystem::path(folder_) / relativePath;
    std::filesystem::create_directories(path.parent_path());
    std::ofstream(path, std::ios::binary) << content;
    return path.string();
}

}  // namespace testing_support
