#include "tools/razzlewick-data/OutputFile.h"

#include "data/Archive.h"
#include "data/InsultGenerator.h"
#include "platform/FileSystem.h"
#include "platform/ReadFile.h"
#include "platform/ReplaceFile.h"
#include "tools/razzlewick-data/JsonSource.h"
#include "tools/razzlewick-data/ToolError.h"

#include <cstring>
#include <exception>
#include <utility>

namespace razzlewick {

std::string ReadSourceText(const std::string& path)
{
    platform::FileText source = platform::ReadWholeFile(path);
    if (source.error != 0)
        throw SourceError(path + ": cannot read: " + std::strerror(source.error));
    return std::move(source.text);
}

void WriteOutputFile(const std::string& output, const std::function<std::string(int fd)>& write)
{
    std::string writeError;
    const platform::ReplaceResult result = platform::ReplaceFileAtomically(
        output,
        [&](int fd) {
            writeError = write(fd);
            return writeError.empty();
        },
        platform::RegularFilePermissions(output));
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

void WriteEngineFile(InsultGenerator& engine, const std::string& output)
{
    WriteOutputFile(output, [&engine](int fd) { return WriteEngine(engine, fd); });
}

}  // namespace razzlewick
