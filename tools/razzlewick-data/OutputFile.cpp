#include "tools/razzlewick-data/OutputFile.h"

#include "data/Archive.h"
#include "data/InsultGenerator.h"
#include "platform/FileSystem.h"
#include "platform/ReadFile.h"
#include "platform/ReplaceFile.h"
#include "tools/razzlewick-data/JsonSource.h"
#include "tools/razzlewick-data/ToolError.h"

#include <cerrno>
#include <cstring>
#include <exception>
#include <filesystem>
#include <utility>

namespace razzlewick {

std::string ReadSourceText(const std::string& path)
{
    platform::FileText source = platform::ReadBoundedRegularFile(path, kLargestSource);
    if (source.error != 0)
        throw SourceError(path + ": cannot read: " + std::strerror(source.error));
    if (source.notRegular)
        throw SourceError(path + ": not a regular file; sources are read from files only");
    if (source.tooLarge)
        throw SourceError(path + ": " + TooLargeText());
    return std::move(source.text);
}

bool IsTooLargeForASource(const std::string& path)
{
    std::error_code error;
    const auto size = std::filesystem::file_size(path, error);
    return !error && size > kLargestSource;
}

std::string TooLargeText()
{
    return "larger than " + std::to_string(kLargestSource >> 20) +
           " MiB, the most a source may hold";
}

void WriteOutputFile(const std::string& output, const std::function<std::string(int fd)>& write,
                     Existing existing)
{
    std::string writeError;
    const auto fill = [&](int fd) {
        writeError = write(fd);
        return writeError.empty();
    };
    const platform::ReplaceResult result =
        existing == Existing::Replace ? platform::ReplaceFileAtomically(
                                            output, fill, platform::RegularFilePermissions(output))
                                      : platform::CreateFileAtomically(output, fill);
    if (result.failedStep == platform::ReplaceStep::Rename && result.error == EEXIST &&
        existing == Existing::Refuse) {
        throw ToolError(output + " already exists; give --force to replace it");
    }
    const std::string systemError = result.error != 0 ? std::strerror(result.error) : "";
    switch (result.failedStep) {
        case platform::ReplaceStep::None:
            return;
        case platform::ReplaceStep::Create:
            throw ToolError("cannot create a file in the folder of " + output + ": " + systemError);
        case platform::ReplaceStep::Write:
            throw ToolError("cannot write " + output + ": " + writeError);
        case platform::ReplaceStep::Permissions:
            throw ToolError("cannot write " + output + ": setting its permissions: " + systemError);
        case platform::ReplaceStep::Flush:
            throw ToolError("cannot write " + output + ": flushing it: " + systemError);
        case platform::ReplaceStep::Close:
        case platform::ReplaceStep::Rename:
            break;
    }
    throw ToolError("cannot write " + output + ": " + systemError);
}

std::string WriteEngine(InsultGenerator& engine, int fd)
{
    try {
        Archive archive(fd, Archive::Mode::Storing);
        engine.Serialize(archive);
        archive.Close();
        return {};
    } catch (const std::exception& error) {
        return error.what();
    }
}

void WriteEngineFile(InsultGenerator& engine, const std::string& output, Existing existing)
{
    WriteOutputFile(
        output, [&engine](int fd) { return WriteEngine(engine, fd); }, existing);
}

}  // namespace razzlewick
