#include "data/InsultGenerator.h"

#include "data/ArchiveError.h"
#include "data/DataFileName.h"
#include "data/DataLimits.h"
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
#include <bit>
#include <cerrno>
#include <cstdint>
#include <exception>
#include <optional>
#include <utility>

namespace razzlewick {

namespace {

// The only version this program reads and writes; compared bit for bit.
constexpr float kDataVersion = 3.2f;

// A folder that is there but cannot be searched gets one line, naming it and the cause.
void MarkUnusable(SearchedFolder& searched, int error)
{
    searched.outcome = FolderOutcome::Unusable;
    searched.lines.push_back(
        {{}, FileErrorMessage(platform::FileErrorCauseFromErrno(error), searched.path), true});
}

}  // namespace

InsultGenerator::InsultGenerator(std::string fileName) : fileName(std::move(fileName)) {}

InsultGenerator::~InsultGenerator()
{
    RemoveAll();
}

void InsultGenerator::Serialize(Archive& archive)
{
    if (archive.IsLoading()) {
        if (std::bit_cast<uint32_t>(archive.ReadFloat32()) !=
            std::bit_cast<uint32_t>(kDataVersion)) {
            loadedOk = false;
            return;
        }
        allowance_.StartFile();
        const int32_t styleCount = archive.ReadInt32();
        for (int32_t i = 0; i < styleCount; ++i) {
            std::string key = archive.ReadString(kLongestText);
            if (observer != nullptr) {
                observer->StyleStarted(key);
            }
            const auto found = styles.find(key);
            if (found != styles.end()) {
                found->second->Serialize(archive, observer, &allowance_);
                NoteFile(*found->second);
                continue;
            }
            allowance_.Charge(MemoryAllowance::kStyleCost + key.size(), archive.BytesRead());
            // A new style joins the map only once its whole record has been read.
            auto style = std::make_unique<InsultStyle>(key);
            style->Serialize(archive, observer, &allowance_);
            NoteFile(*style);
            styles.emplace(std::move(key), std::move(style));
        }
        loadedOk = true;
        return;
    }
    archive.WriteFloat32(kDataVersion);
    archive.WriteInt32(static_cast<int32_t>(styles.size()));
    for (const auto& [key, style] : styles) {
        archive.WriteString(key);
        style->Serialize(archive);
    }
}

void InsultGenerator::NoteFile(InsultStyle& style) const
{
    if (!fileName.empty() && (style.files.empty() || style.files.back() != fileName))
        style.files.push_back(fileName);
}

void InsultGenerator::SelectStyle(const std::string& name)
{
    const auto found = styles.find(name);
    if (found != styles.end()) {
        currentStyle = found->second.get();
    }
}

void InsultGenerator::RemoveAll()
{
    currentStyle = nullptr;
    allowance_.Reset();
    for (auto& entry : styles) {
        entry.second->Clear();
    }
    styles.clear();
}

int32_t InsultGenerator::OpenDataFile(Archive::Mode mode, const std::string* path,
                                      FileErrorInfo* error)
{
    if (path != nullptr) {
        fileName = *path;
    }
    if (fileName.empty()) {
        fileName = kDefaultDataFile;
    }
    const bool loading = mode == Archive::Mode::Loading;
    platform::ExclusiveOpen opened = loading ? platform::OpenSharedForReading(fileName)
                                             : platform::OpenExclusiveForWriting(fileName);
    if (!opened.fd.IsOpen()) {
        if (error != nullptr) {
            *error = FileErrorInfo{opened.cause, opened.systemCode, fileName};
        }
        return -1;
    }
    // Storing has no version to check, so loadedOk reports whether every byte was written.
    if (!loading) {
        loadedOk = true;
    } else if (observer != nullptr) {
        observer->FileOpened(fileName);
    }
    try {
        Archive archive(opened.fd.Get(), mode);
        Serialize(archive);
        archive.Close();
    } catch (const std::exception&) {
        // Bad data, a failed read or write, or exhausted memory: the file counts as unreadable.
        loadedOk = false;
    }
    // Closing drops the lock; a late write error shows here.
    if (opened.fd.Close() != 0 && !loading) {
        loadedOk = false;
    }
    return 0;
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
    filesFound = 0;
    filesLoaded = 0;
    searchedFolders.clear();
    ignoredSettings = platform::IgnoredDataFolderSettings();
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
        SearchedFolder& searched = searchedFolders.emplace_back();
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
    if (const std::string_view closing = ClosingMessage(filesFound, filesLoaded);
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
    std::string currentKey;
    for (const auto& [key, style] : styles) {
        if (style.get() == currentStyle)
            currentKey = key;
    }
    const bool hadCurrent = currentStyle != nullptr;
    std::map<std::string, std::unique_ptr<InsultStyle>> previous = std::move(styles);
    styles.clear();
    currentStyle = nullptr;
    // Only the histories are carried over: the words go before the new ones come.
    for (auto& entry : previous)
        entry.second->wordLists.clear();
    allowance_.Reset();
    const bool result = LoadDataFiles(report, programFolder_, current_);
    for (auto& [key, style] : styles) {
        const auto before = previous.find(key);
        if (before == previous.end())
            continue;
        style->history = std::move(before->second->history);
        style->historyPosition = before->second->historyPosition;
        style->recentDraws = std::move(before->second->recentDraws);
    }
    if (hadCurrent)
        SelectStyle(currentKey);
    return result;
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
    FileErrorInfo error;
    for (const std::string& name : names) {
        const std::string path = folder + name;
        if (observer != nullptr && observer->SkipFile(path))
            continue;
        ++filesFound;
        const int32_t opened = OpenDataFile(Archive::Mode::Loading, &path, &error);
        if (opened != -1 && loadedOk) {
            ++filesLoaded;
            searched.lines.push_back(
                LoadResult{name, std::string(kLoadSucceeded), false, searched.path});
            continue;
        }
        *result = false;
        if (opened == -1) {
            searched.lines.push_back(
                LoadResult{name, FileErrorMessage(error.cause, platform::AbsolutePath(error.path)),
                           true, searched.path});
        } else {
            searched.lines.push_back(LoadResult{name, std::string(kLoadCorrupted), true,
                                                searched.path, PackingHint(path)});
        }
    }
}

}  // namespace razzlewick
