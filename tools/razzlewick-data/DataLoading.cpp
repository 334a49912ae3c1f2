#include "tools/razzlewick-data/DataLoading.h"

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
    LoadObserver* const observer = engine.Observer();
    engine.SetObserver(&leaveOut);
    engine.LoadDataFiles(nullptr);
    engine.SetObserver(observer);
    engine.ForgetSearch();
}

bool LoadForTool(InsultGenerator& engine, const std::vector<std::string>& files,
                 std::vector<LoadResult>& report)
{
    if (files.empty())
        return engine.LoadDataFiles(&report);

    bool result = true;
    int32_t found = 0;
    int32_t loaded = 0;
    for (const std::string& file : files) {
        ++found;
        // Refused as install refuses it, before a read that could take minutes.
        if (IsTooLargeForASource(file)) {
            result = false;
            report.push_back({file, TooLargeText() + "; not read", true});
            continue;
        }
        const DataFileOutcome outcome = engine.OpenDataFile(Archive::Mode::Loading, &file);
        if (outcome.Succeeded()) {
            ++loaded;
            report.push_back({file, std::string(kLoadSucceeded), false});
            continue;
        }
        result = false;
        if (outcome.result == DataFileOutcome::Result::NotOpened)
            report.push_back(
                {file, FileErrorMessage(outcome.openError.cause, outcome.openError.path), true});
        else
            report.push_back({file, std::string(kLoadCorrupted), true, {}, PackingHint(file)});
    }
    if (const std::string_view closing = ClosingMessage(found, loaded); !closing.empty()) {
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
