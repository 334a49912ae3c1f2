#include "data/InsultGenerator.h"

#include "data/ArchiveError.h"
#include "data/DataFileName.h"
#include "data/LoadMessages.h"
#include "data/LoadObserver.h"
#include "platform/ExclusiveFile.h"
#include "platform/FileErrorCause.h"
#include "platform/FileSystem.h"
#include "platform/FolderSearch.h"
#include "platform/ProgramFolder.h"

#include <algorithm>
#include <bit>
#include <cerrno>
#include <cstdint>
#include <exception>
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
        const int32_t styleCount = archive.ReadInt32();
        // A style record holds at least three length bytes (key, name, template) and its
        // list count.
        archive.CheckDeclaredCount(styleCount, 3 + 4);
        for (int32_t i = 0; i < styleCount; ++i) {
            std::string key = archive.ReadString();
            if (observer != nullptr) {
                observer->StyleStarted(key);
            }
            const auto found = styles.find(key);
            if (found != styles.end()) {
                found->second->Serialize(archive, observer);
                continue;
            }
            // A new style joins the map only once its whole record has been read.
            auto style = std::make_unique<InsultStyle>(key);
            style->Serialize(archive, observer);
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
                                    const std::string& programFolder)
{
    filesFound = 0;
    filesLoaded = 0;
    searchedFolders.clear();
    bool result = true;
    // Both first passes always run, so a program started from its own folder reads each file
    // twice; the second reading merges into the first and changes nothing. The folders added
    // after them are read once whatever links lead to them.
    std::vector<std::string> resolvedFolders;
    for (const DataFolder& folder : DataFolderSearchOrder(programFolder)) {
        SearchedFolder& searched = searchedFolders.emplace_back();
        searched.role = folder.role;
        searched.path = platform::AbsolutePath(folder.path);
        const platform::ResolvedFolder resolved = platform::ResolveFolder(folder.path);
        const bool firstPasses =
            folder.role == DataFolderRole::Program || folder.role == DataFolderRole::Current;
        if (firstPasses) {
            LoadFolder(folder.path, false, searched, &result);
        } else if (resolved.error == ENOENT) {
            searched.outcome = FolderOutcome::Missing;
        } else if (resolved.error != 0) {
            MarkUnusable(searched, resolved.error);
            result = false;
        } else if (std::find(resolvedFolders.begin(), resolvedFolders.end(), resolved.path) !=
                   resolvedFolders.end()) {
            searched.outcome = FolderOutcome::AlreadyRead;
            searched.sameAs = resolved.path;
        } else {
            LoadFolder(folder.path, true, searched, &result);
        }
        if (resolved.error == 0 && searched.outcome != FolderOutcome::AlreadyRead) {
            resolvedFolders.push_back(resolved.path);
        }
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
        ++filesFound;
        const std::string path = folder + name;
        const int32_t opened = OpenDataFile(Archive::Mode::Loading, &path, &error);
        if (opened != -1 && loadedOk) {
            ++filesLoaded;
            searched.lines.push_back(LoadResult{name, std::string(kLoadSucceeded), false});
            continue;
        }
        *result = false;
        const std::string message =
            opened == -1 ? FileErrorMessage(error.cause, platform::AbsolutePath(error.path))
                         : std::string(kLoadCorrupted);
        searched.lines.push_back(LoadResult{name, message, true});
    }
}

}  // namespace razzlewick
