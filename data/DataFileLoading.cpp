// InsultGenerator's side that finds and reads data files: OpenDataFile for one file,
// LoadDataFiles for the search through every data folder, ReloadDataFiles for a search again.

#include "data/DataFileName.h"
#include "data/InsultGenerator.h"
#include "data/LoadMessages.h"
#include "data/LoadObserver.h"
#include "data/PackingHint.h"
#include "platform/ExclusiveFile.h"
#include "platform/FileErrorCause.h"
#include "platform/FileSystem.h"
#include "platform/FolderSearch.h"
#include "platform/ProgramFolder.h"
#include "platform/XdgDataFolders.h"

#include <algorithm>
#include <cerrno>
#include <cstdint>
#include <exception>
#include <map>
#include <optional>
#include <string>
#include <utility>

namespace razzlewick {

namespace {

// A folder that is there but cannot be searched gets one line, naming it and the cause.
void MarkUnusable(SearchedFolder& searched, int error)
{
    searched.outcome = FolderOutcome::Unusable;
    searched.lines.push_back(
        {{}, FileErrorMessage(platform::FileErrorCauseFromErrno(error), searched.path), true});
}

}  // namespace

DataFileOutcome InsultGenerator::OpenDataFile(Archive::Mode mode, const std::string* path)
{
    if (path != nullptr) {
        fileName_ = *path;
    }
    if (fileName_.empty()) {
        fileName_ = kDefaultDataFile;
    }
    const bool loading = mode == Archive::Mode::Loading;
    platform::ExclusiveOpen opened = loading ? platform::OpenSharedForReading(fileName_)
                                             : platform::OpenExclusiveForWriting(fileName_);
    if (!opened.fd.IsOpen()) {
        return {DataFileOutcome::Result::NotOpened,
                FileErrorInfo{opened.cause, opened.systemCode, fileName_}};
    }
    if (loading && observer_ != nullptr) {
        observer_->FileOpened(fileName_);
    }
    bool whole = false;
    try {
        Archive archive(opened.fd.Get(), mode);
        whole = Serialize(archive);
        archive.Close();
    } catch (const std::exception&) {
        // Bad data, a failed read or write, or exhausted memory: the file counts as unreadable.
        whole = false;
    }
    // Closing drops the lock; a late write error shows here.
    if (opened.fd.Close() != 0 && !loading) {
        whole = false;
    }
    return {whole ? DataFileOutcome::Result::Succeeded : DataFileOutcome::Result::Incomplete, {}};
}

bool InsultGenerator::LoadDataFiles(std::vector<LoadResult>* report)
{
    return LoadDataFiles(report, platform::ProgramFolder());
}

bool InsultGenerator::LoadDataFiles(std::vector<LoadResult>* report,
                                    const std::string& programFolder, CurrentFolderSearch current)
{
    programFolder_ = programFolder;
    current_ = current;
    ForgetSearch();
    ignoredSettings_ = platform::IgnoredDataFolderSettings();
    bool result = true;
    const std::vector<DataFolder> order = DataFolderSearchOrder(programFolder, current);
    std::vector<platform::ResolvedFolder> resolved;
    resolved.reserve(order.size());
    for (const DataFolder& folder : order)
        resolved.push_back(platform::ResolveFolder(folder.path));
    const auto firstPass = [&order](size_t i) {
        return order[i].role == DataFolderRole::Program || order[i].role == DataFolderRole::Current;
    };
    // A desktop folder named twice is read where it counts most: at its last place.
    const auto laterPlace = [&](size_t i) -> std::optional<size_t> {
        for (size_t j = order.size(); j-- > i + 1;) {
            if (!firstPass(j) && resolved[j].error == 0 && resolved[j].path == resolved[i].path)
                return j;
        }
        return std::nullopt;
    };
    // Both first passes always run, so a program started from its own folder reads each file
    // twice; the second reading merges into the first and changes nothing. The folders added
    // after them are read once whatever links lead to them.
    std::vector<std::string> foldersRead;
    for (size_t i = 0; i < order.size(); ++i) {
        const DataFolder& folder = order[i];
        const platform::ResolvedFolder& where = resolved[i];
        SearchedFolder& searched = searchedFolders_.emplace_back();
        searched.role = folder.role;
        searched.path = platform::AbsolutePath(folder.path);
        if (firstPass(i)) {
            LoadFolder(folder.path, false, searched, &result);
        } else if (where.error == ENOENT) {
            searched.outcome = FolderOutcome::Missing;
        } else if (where.error != 0) {
            MarkUnusable(searched, where.error);
            result = false;
        } else if (const std::optional<size_t> later = laterPlace(i)) {
            searched.outcome = FolderOutcome::ReadLater;
            searched.sameAs = platform::AbsolutePath(order[*later].path);
        } else if (std::find(foldersRead.begin(), foldersRead.end(), where.path) !=
                   foldersRead.end()) {
            searched.outcome = FolderOutcome::AlreadyRead;
            searched.sameAs = where.path;
        } else {
            LoadFolder(folder.path, true, searched, &result);
        }
        if (where.error == 0 && searched.outcome == FolderOutcome::Read)
            foldersRead.push_back(where.path);
        if (report != nullptr) {
            report->insert(report->end(), searched.lines.begin(), searched.lines.end());
        }
    }
    if (const std::string_view closing = ClosingMessage(filesFound_, filesLoaded_);
        !closing.empty()) {
        result = false;
        if (report != nullptr) {
            report->push_back(LoadResult{{}, std::string(closing), true});
        }
    }
    return result;
}

bool InsultGenerator::ReloadDataFiles(std::vector<LoadResult>* report)
{
    // Only what the session made of each style is carried over: the words go before the new
    // ones come.
    struct Session final {
        InsultHistory history;
        RecentDraws recent;
    };
    std::map<std::string, Session> sessions;
    std::optional<std::string> currentKey;
    for (auto& [key, style] : styles_) {
        sessions.emplace(key, Session{std::move(style.History()), std::move(style.Recent())});
        if (&style == currentStyle_)
            currentKey = key;
    }
    RemoveAll();
    const bool result = LoadDataFiles(report, programFolder_, current_);
    for (auto& [key, style] : styles_) {
        const auto before = sessions.find(key);
        if (before == sessions.end())
            continue;
        style.History() = std::move(before->second.history);
        style.Recent() = std::move(before->second.recent);
    }
    if (currentKey)
        SelectStyle(*currentKey);
    return result;
}

void InsultGenerator::ForgetSearch()
{
    filesFound_ = 0;
    filesLoaded_ = 0;
    searchedFolders_.clear();
    ignoredSettings_.clear();
}

void InsultGenerator::LoadFolder(const std::string& folder, bool reportUnreadable,
                                 SearchedFolder& searched, bool* result)
{
    int listError = 0;
    const std::vector<std::string> names =
        platform::FindEntriesEndingWith(folder, kDataSuffix, &listError);
    if (listError != 0 && reportUnreadable) {
        MarkUnusable(searched, listError);
        *result = false;
        return;
    }
    for (const std::string& name : names) {
        const std::string path = folder + name;
        if (observer_ != nullptr && observer_->SkipFile(path))
            continue;
        ++filesFound_;
        const DataFileOutcome outcome = OpenDataFile(Archive::Mode::Loading, &path);
        if (outcome.Succeeded()) {
            ++filesLoaded_;
            searched.lines.push_back(
                LoadResult{name, std::string(kLoadSucceeded), false, searched.path});
            continue;
        }
        *result = false;
        if (outcome.result == DataFileOutcome::Result::NotOpened) {
            searched.lines.push_back(
                LoadResult{name,
                           FileErrorMessage(outcome.openError.cause,
                                            platform::AbsolutePath(outcome.openError.path)),
                           true, searched.path});
        } else {
            searched.lines.push_back(LoadResult{name, std::string(kLoadCorrupted), true,
                                                searched.path, PackingHint(path)});
        }
    }
}

}  // namespace razzlewick
