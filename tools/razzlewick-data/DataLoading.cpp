#include "tools/razzlewick-data/DataLoading.h"

#include "data/FileErrorInfo.h"
#include "data/InsultGenerator.h"
#include "data/LoadMessages.h"
#include "data/SearchReport.h"
#include "platform/AsciiCase.h"
#include "tools/razzlewick-data/OutputFile.h"

#include <fstream>
#include <iostream>

namespace razzlewick {

namespace {

// Whether the file starts (after blanks and a byte-order mark) like a JSON object: a source
// that was given the name of the data file it was meant to become.
bool HoldsJsonText(const std::string& path)
{
    std::ifstream file(path, std::ios::binary);
    std::string start(256, '\0');
    file.read(start.data(), static_cast<std::streamsize>(start.size()));
    start.resize(static_cast<size_t>(file.gcount()));
    if (start.starts_with("\xEF\xBB\xBF"))
        start.erase(0, 3);
    const auto first = start.find_first_not_of(" \t\r\n");
    return first != std::string::npos && start[first] == '{';
}

void HintIfJson(const std::string& path, const LoadResult& line)
{
    if (line.failed && line.message == kLoadCorrupted)
        PrintJsonHint(path);
}

}  // namespace

void PrintJsonHint(const std::string& path)
{
    if (!HoldsJsonText(path))
        return;
    const bool datName = platform::EndsWithIgnoringAsciiCase(path, ".dat");
    const std::string source = path.substr(0, path.size() - (datName ? 4 : 0)) + ".json";
    std::cerr << "razzlewick-data: hint: " << path
              << " holds JSON text, not packed words: rename it to " << source
              << " and run \"razzlewick-data pack -o " << path << ' ' << source
              << "\" (or \"razzlewick-data install " << source << "\")\n";
}

bool LoadForTool(InsultGenerator& engine, const std::vector<std::string>& files,
                 std::vector<LoadResult>& report)
{
    if (files.empty()) {
        const bool result = engine.LoadDataFiles(&report);
        for (const SearchedFolder& folder : engine.searchedFolders) {
            for (const LoadResult& line : folder.lines)
                HintIfJson(folder.path + line.fileName, line);
        }
        return result;
    }

    bool result = true;
    engine.filesFound = 0;
    engine.filesLoaded = 0;
    FileErrorInfo error;
    for (const std::string& file : files) {
        ++engine.filesFound;
        // Refused as install refuses it, before a read that could take minutes.
        if (IsTooLargeForASource(file)) {
            result = false;
            report.push_back({file, TooLargeText() + "; not read", true});
            continue;
        }
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
        HintIfJson(file, report.back());
    }
    if (const std::string_view closing = ClosingMessage(engine.filesFound, engine.filesLoaded);
        !closing.empty()) {
        result = false;
        report.push_back({{}, std::string(closing), true});
    }
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
