#include "tools/razzlewick-data/InstalledCopies.h"

#include "data/DataFileName.h"
#include "data/DataFolders.h"
#include "data/InsultGenerator.h"
#include "data/LoadObserver.h"
#include "platform/AsciiCase.h"
#include "platform/FolderSearch.h"

#include <algorithm>
#include <filesystem>
#include <set>

namespace razzlewick {

namespace {

// The style keys of every file a search reads.
class KeysByFile final : public LoadObserver {
public:
    struct File {
        std::string path;
        std::vector<std::string> keys;
    };

    void FileOpened(const std::string& path) override
    {
        // A folder searched twice (the program started from its own folder) is one file.
        skipping_ = !seen_.insert(Resolved(path)).second;
        if (!skipping_)
            files_.push_back({path, {}});
    }
    void StyleStarted(const std::string& key) override
    {
        if (!skipping_)
            files_.back().keys.push_back(key);
    }

    const std::vector<File>& Files() const { return files_; }

    static std::string Resolved(const std::string& path)
    {
        std::error_code error;
        const std::filesystem::path resolved = std::filesystem::weakly_canonical(path, error);
        return error ? path : resolved.string();
    }

private:
    std::vector<File> files_;
    std::set<std::string> seen_;
    bool skipping_ = false;
};

bool IsAmong(const std::string& key, const std::vector<std::string>& keys)
{
    return std::any_of(keys.begin(), keys.end(), [&](const std::string& other) {
        return platform::EqualsIgnoringAsciiCase(key, other);
    });
}

}  // namespace

std::string InstalledName(const std::string& source)
{
    std::string name = source.substr(source.rfind('/') + 1);
    if (const auto dot = name.rfind('.'); dot != std::string::npos && dot > 0)
        name.erase(dot);
    return name + std::string(kDataSuffix);
}

std::vector<InstalledCopy> InstalledCopies(const std::string& dataName,
                                           const std::vector<std::string>& keys)
{
    std::vector<InstalledCopy> copies;
    std::set<std::string> resolvedCopies;
    const std::string userFolder = UserDataFolder();
    if (!userFolder.empty()) {
        if (const auto named = platform::FindEntryIgnoringCase(userFolder, dataName)) {
            copies.push_back({userFolder + *named, true});
            resolvedCopies.insert(KeysByFile::Resolved(copies.back().path));
        }
    }
    if (keys.empty())
        return copies;

    KeysByFile files;
    InsultGenerator scan;
    scan.SetObserver(&files);
    scan.LoadDataFiles(nullptr);
    scan.SetObserver(nullptr);
    const std::string resolvedUserFolder =
        userFolder.empty() ? std::string() : KeysByFile::Resolved(userFolder);
    for (const KeysByFile::File& file : files.Files()) {
        const bool onlyTheSourcesStyles =
            !file.keys.empty() &&
            std::all_of(file.keys.begin(), file.keys.end(),
                        [&](const std::string& key) { return IsAmong(key, keys); });
        const std::string resolved = KeysByFile::Resolved(file.path);
        if (!onlyTheSourcesStyles || !resolvedCopies.insert(resolved).second)
            continue;
        const std::string folder = resolved.substr(0, resolved.rfind('/') + 1);
        copies.push_back({file.path, KeysByFile::Resolved(folder) == resolvedUserFolder});
    }
    return copies;
}

std::vector<std::string> CopyPaths(const std::vector<InstalledCopy>& copies, bool userFolderOnly)
{
    std::vector<std::string> paths;
    for (const InstalledCopy& copy : copies) {
        if (copy.inUserFolder || !userFolderOnly)
            paths.push_back(copy.path);
    }
    return paths;
}

}  // namespace razzlewick
