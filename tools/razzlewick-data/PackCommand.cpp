#include "tools/razzlewick-data/Commands.h"

#include "data/Archive.h"
#include "data/InsultGenerator.h"
#include "tools/razzlewick-data/Arguments.h"
#include "tools/razzlewick-data/JsonSource.h"
#include "tools/razzlewick-data/SourceMerge.h"
#include "tools/razzlewick-data/ToolError.h"

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <iostream>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

constexpr std::string_view kHelp = R"(Usage: razzlewick-data pack [-o OUT.dat] SOURCE.json...

Reads the JSON sources in order into one engine, merging them as data files merge
(a later template and name win; a word already in its list, ignoring the case of
A-Z, is dropped with a warning), and writes the engine as a data file.

  -o, --output OUT.dat   the data file to write (default insltdat.dat)
  -h, --help             show this help

Source format:
  {"styles": [{"key": "Modern", "name": "Modern", "template": "You %0 %1",
               "lists": [{"number": 0, "words": ["..."]}, ...]}, ...]}
"name" (default: the key) and "lists" may be left out. Every character must exist in
Windows-1252. A bad source is reported with its place and exit status 2, and the
output file is left untouched.
)";

std::string ReadSource(const std::string& path)
{
    const int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC);
    if (fd < 0)
        throw SourceError(path + ": cannot read: " + std::strerror(errno));
    std::string text;
    char block[65536];
    for (;;) {
        const ssize_t got = ::read(fd, block, sizeof block);
        if (got == 0)
            break;
        if (got < 0) {
            if (errno == EINTR)
                continue;
            const int code = errno;
            ::close(fd);
            throw SourceError(path + ": cannot read: " + std::strerror(code));
        }
        text.append(block, static_cast<std::size_t>(got));
    }
    ::close(fd);
    return text;
}

std::string Folder(const std::string& path)
{
    const auto slash = path.rfind('/');
    return slash == std::string::npos ? std::string() : path.substr(0, slash + 1);
}

// Writes the data file beside its final place and renames it over, so a failure never
// leaves a half-written or emptied file behind.
void WriteDataFile(InsultGenerator& engine, const std::string& output)
{
    std::string temporary = Folder(output) + ".razzlewick-data.XXXXXX";
    const int fd = ::mkstemp(temporary.data());
    if (fd < 0)
        throw ToolError("cannot create a file in the folder of " + output + ": " +
                        std::strerror(errno));

    auto fail = [&](const std::string& what) {
        const int code = errno;
        ::close(fd);
        ::unlink(temporary.c_str());
        throw ToolError("cannot write " + output + ": " + what +
                        (code != 0 ? std::string(": ") + std::strerror(code) : ""));
    };

    try {
        Archive archive(fd, Archive::Mode::Storing);
        engine.Serialize(archive);
        archive.Close();
    } catch (const std::exception& error) {
        errno = 0;
        fail(error.what());
    }
    // mkstemp makes the file private; give it the mode a new file would get, or keep
    // the mode of the file it replaces.
    struct stat existing {};
    mode_t mode = 0;
    if (::stat(output.c_str(), &existing) == 0 && S_ISREG(existing.st_mode)) {
        mode = existing.st_mode & 07777;
    } else {
        const mode_t mask = ::umask(0);
        ::umask(mask);
        mode = 0666 & ~mask;
    }
    if (::fchmod(fd, mode) != 0)
        fail("setting its permissions");
    if (::fsync(fd) != 0)
        fail("flushing it");
    if (::close(fd) != 0) {
        const int code = errno;
        ::unlink(temporary.c_str());
        throw ToolError("cannot write " + output + ": " + std::strerror(code));
    }
    if (std::rename(temporary.c_str(), output.c_str()) != 0) {
        const int code = errno;
        ::unlink(temporary.c_str());
        throw ToolError("cannot write " + output + ": " + std::strerror(code));
    }
}

}  // namespace

int RunPack(const std::vector<std::string>& args)
{
    const Arguments arguments = ParseArguments(args, {{"--output", "-o", true}});
    if (arguments.help) {
        std::cout << kHelp;
        return 0;
    }
    if (arguments.operands.empty())
        throw UsageError("no JSON source given");
    const std::string output =
        arguments.Has("--output") ? arguments.options.at("--output") : "insltdat.dat";
    if (output.empty())
        throw UsageError("option --output needs a file name");

    // Every source is read and checked before anything is written.
    InsultGenerator engine;
    for (const std::string& source : arguments.operands)
        AddToEngine(engine, ReadJsonSource(ReadSource(source), source), source, std::cerr);
    WriteDataFile(engine, output);
    return 0;
}
