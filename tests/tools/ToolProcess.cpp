#include "tests/tools/ToolProcess.h"

#include <cstdlib>
#include <fstream>
#include <iterator>
#include <sstream>
#include <stdexcept>
#include <algorithm>

#include <fcntl.h>
#include <sys/wait.h>
#include <unistd.h>

namespace fs = std::filesystem;

namespace {

// A tool that hangs is ended by SIGALRM, so its test fails instead of stalling the run.
constexpr unsigned kToolSeconds = 30;

std::string Slurp(const fs::path& file)
{
    std::ifstream in(file, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), {});
}

}  // namespace

ToolRun RunTool(const std::vector<std::string>& args, const fs::path& folder,
                const fs::path& program)
{
    const fs::path tool = program.empty() ? fs::path(RAZZLEWICK_DATA_TOOL) : program;
    // Output goes to files outside the folder under test, so listings of it stay clean.
    char outputs[] = "/tmp/razzlewick-tool-run.XXXXXX";
    if (::mkdtemp(outputs) == nullptr)
        throw std::runtime_error("mkdtemp failed");
    const fs::path outFile = fs::path(outputs) / "out";
    const fs::path errFile = fs::path(outputs) / "err";

    std::vector<std::string> words{tool.string()};
    words.insert(words.end(), args.begin(), args.end());
    std::vector<char*> argv;
    for (std::string& word : words)
        argv.push_back(word.data());
    argv.push_back(nullptr);

    const pid_t child = ::fork();
    if (child == 0) {
        const int out = ::open(outFile.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0600);
        const int err = ::open(errFile.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0600);
        if (out < 0 || err < 0 || ::dup2(out, 1) < 0 || ::dup2(err, 2) < 0 ||
            ::chdir(folder.c_str()) != 0)
            ::_exit(127);
        ::alarm(kToolSeconds);  // kept across execv
        ::execv(argv[0], argv.data());
        ::_exit(127);
    }
    ToolRun run;
    int status = 0;
    if (child > 0 && ::waitpid(child, &status, 0) == child && WIFEXITED(status))
        run.status = WEXITSTATUS(status);
    run.out = Slurp(outFile);
    run.err = Slurp(errFile);
    fs::remove_all(outputs);
    return run;
}

ScratchFolder::ScratchFolder()
{
    std::string pattern = (fs::temp_directory_path() / "razzlewick-tools.XXXXXX").string();
    if (::mkdtemp(pattern.data()) == nullptr)
        throw std::runtime_error("mkdtemp failed");
    path_ = pattern;
}

ScratchFolder::~ScratchFolder()
{
    std::error_code ignored;
    fs::remove_all(path_, ignored);
}

void ScratchFolder::Write(const std::string& name, const std::string& bytes) const
{
    std::ofstream(path_ / name, std::ios::binary) << bytes;
}

std::string ScratchFolder::Read(const std::string& name) const
{
    return Slurp(path_ / name);
}

std::vector<std::string> ScratchFolder::Entries() const
{
    std::vector<std::string> names;
    for (const auto& entry : fs::directory_iterator(path_))
        names.push_back(entry.path().filename().string());
    std::sort(names.begin(), names.end());
    return names;
}
