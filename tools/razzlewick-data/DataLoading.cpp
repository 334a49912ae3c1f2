#include "tools/razzlewick-data/DataLoading.h"

#include "data/FileErrorInfo.h"
#include "data/InsultGenerator.h"
#include "data/LoadMessages.h"
#include "data/LoadObserver.h"
#include "data/PackingHint.h"
#include "data/SearchReport.h"
#include "tools/razzlewick-data/OutputFile.h"

#include <filesystem>
#include <iostream>
#include <set>

namespace razzlewick {

namespace {

// Leaves out the files that lead where the given paths lead.
class LeaveOut final : public LoadObserver {
public:
    explicit LeaveOut(const std::vector<std::string>& paths)
    {
        for (const std::string& path : paths)
            files_.insert(Resolved(path));
    }

    bool SkipFile(const std::string& path) override { return files_.contains(Resolved(path)); }

private:
    static std::string Resolved(const std::string& path)
    {
        std::error_code error;
        const std::filesystem::path resolved = std::filesystem::weakly_canonical(path, error);
        return error ? path : resolved.string();
    }

    std::set<std::string> files_;
};

}  // namespace

void LoadProgramData(InsultGenerator& engine, const std::vector<std::string>& leftOut)
{
    LeaveOut leaveOut(leftOut);
    LoadObserver* const observer = engine.observer;
    engine.observer = &leaveOut;
    engine.LoadDataFiles(nullptr);
    engine.observer = observer;
    engine.filesFound = 0;
    engine.filesLoaded = 0;
    engine.searchedFolders.clear();
    engine.ignoredSettings.clear();
}

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
        if (opened == -1)
            report.push_back({file, FileErrorMessage(error.cause, error.path), true});
        else
            report.push_back({file, std::string(kLoadCorrupted), true, {}, PackingHint(file)});
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
    std::cerr << FormatReportLines(report, true, "", kShortReportLines);
}

}  // namespace razzlewick
