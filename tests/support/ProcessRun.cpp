#include "tests/support/ProcessRun.h"

#include "tests/support/TempFolder.h"

#include <fcntl.h>
#include <sys/wait.h>
#include <unistd.h>

namespace fs = std::filesystem;

namespace {

// A program that hangs is ended by SIGALRM, so its test fails instead of stalling the run.
constexpr unsigned kSeconds = 30;

}  // namespace

ProcessRun RunProcess(const fs::path& program, const std::vector<std::string>& args,
                      const fs::path& folder, const std::string& output)
{
    // Output goes to files outside the folder under test, so listings of it stay clean.
    const TempFolder outputs;
    const std::string outFile = outputs / "out";
    const std::string errFile = outputs / "err";

    std::vector<std::string> words{program.string()};
    words.insert(words.end(), args.begin(), args.end());
    std::vector<char*> argv;
    for (std::string& word : words)
        argv.push_back(word.data());
    argv.push_back(nullptr);

    const pid_t child = ::fork();
    if (child == 0) {
        const int out =
            ::open((output.empty() ? outFile : output).c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0600);
        const int err = ::open(errFile.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0600);
        if (out < 0 || err < 0 || ::dup2(out, 1) < 0 || ::dup2(err, 2) < 0 ||
            ::chdir(folder.c_str()) != 0)
            ::_exit(127);
        ::alarm(kSeconds);  // kept across execv
        ::execv(argv[0], argv.data());
        ::_exit(127);
    }
    ProcessRun run;
    int status = 0;
    if (child > 0 && ::waitpid(child, &status, 0) == child && WIFEXITED(status))
        run.status = WEXITSTATUS(status);
    run.out = outputs.ReadFile("out");
    run.err = outputs.ReadFile("err");
    return run;
}

fs::path CopyWithItsData(const fs::path& program, const fs::path& folder)
{
    fs::create_directories(folder);
    const fs::path copy = folder / program.filename();
    fs::copy_file(program, copy, fs::copy_options::overwrite_existing);
    fs::copy_file(program.parent_path() / "insltdat.dat", folder / "insltdat.dat",
                  fs::copy_options::overwrite_existing);
    return copy;
}
