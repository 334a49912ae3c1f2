#include "tools/razzlewick-data/DataLoading.h"

#include "data/FileErrorInfo.h"
#include "data/InsultGenerator.h"
#include "data/LoadMessages.h"

#include <iostream>

namespace razzlewick {

bool LoadForTool(InsultGenerator& engine, const std::vector<std::string>& files,
                 std::vector<LoadResult>& report)
{
    if (files.empty())
        return engine.LoadDataFiles(&report);

    bool result = true;
    engine.filesFound = 0;
    engine.filesLoaded = 0;
    FileErrorInfo error;
    for (const std::string& file : files) {
        ++engine.filesFound;
        const int32_t opened = engine.OpenDataFile(Archive::Mode::Loading, &file, &error);
        if (opened != -1 && engine.loadedOk) {
            ++engine.filesLoaded;
            report.push_back({file, std::string(kLoadSucceeded), false});
            continue;
        }
        result = false;
        report.push_back(
            {file,
             opened == -1 ? FileErrorMessage(error.cause, error.path) : std::string(kLoadCorrupted),
             true});
    }
    if (engine.filesLoaded == 0) {
        result = false;
        report.push_back({{}, std::string(kLoadNoneLoaded), true});
    }
    return result;
}

std::string FormatReportLine(const LoadResult& line)
{
    const std::string text =
        line.fileName.empty() ? line.message : line.fileName + " - " + line.message;
    std::string result;
    result.reserve(text.size() + 1);
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] == '\r' && i + 1 < text.size() && text[i + 1] == '\n')
            continue;  // the '\n' that follows ends the line
        result += text[i];
    }
    result += '\n';
    return result;
}

void PrintFailures(const std::vector<LoadResult>& report)
{
    for (const LoadResult& line : report) {
        if (line.failed)
            std::cerr << FormatReportLine(line);
    }
}

}  // namespace razzlewick
