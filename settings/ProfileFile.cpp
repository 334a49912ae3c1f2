#include "settings/ProfileFile.h"

#include "platform/ExecutablePath.h"
#include "platform/FdIo.h"
#include "platform/FileSystem.h"
#include "platform/FolderLock.h"
#include "platform/FolderSearch.h"
#include "platform/ReadFile.h"
#include "platform/ReplaceFile.h"
#include "settings/ProfileInteger.h"
#include "settings/ProfileText.h"

#include <chrono>
#include <cstdlib>
#include <utility>

namespace razzlewick {

namespace {

constexpr std::chrono::milliseconds kLockPatience(2000);

std::string WithoutTrailingSlashes(std::string path)
{
    while (path.size() > 1 && path.back() == '/') {
        path.pop_back();
    }
    return path;
}

// The executable's file name without its extension, e.g. "razzlewick".
std::string ExecutableTitle()
{
    std::string name = platform::ExecutablePath();
    name.erase(0, name.rfind('/') + 1);
    const size_t dot = name.rfind('.');
    if (dot != std::string::npos && dot > 0) {
        name.erase(dot);
    }
    return name.empty() ? "razzlewick" : name;
}

}  // namespace

ProfileFile::ProfileFile(std::string fileName) : fileName_(std::move(fileName)) {}

std::string ProfileFile::Folder()
{
    const char* configHome = std::getenv("XDG_CONFIG_HOME");
    std::string base;
    if (configHome != nullptr && configHome[0] == '/') {
        base = configHome;
    } else {
        const std::string home = platform::HomeFolder();
        if (home.empty()) {
            return {};
        }
        base = WithoutTrailingSlashes(home) + "/.config";
    }
    base = WithoutTrailingSlashes(base);
    return (base == "/" ? "" : base) + "/razzlewick/";
}

ProfileSnapshot ProfileFile::Read() const
{
    using State = ProfileSnapshot::State;
    const std::string folder = Folder();
    if (folder.empty()) {
        return {};
    }
    const auto actualName = platform::FindEntryIgnoringCase(folder, fileName_);
    if (!actualName) {
        return {State::Missing, folder + fileName_, {}};
    }
    const std::string path = folder + *actualName;
    platform::RegularFileContents contents;
    switch (platform::ReadRegularFile(path, contents, kLargestFile)) {
        case platform::RegularFileRead::Read:
            return {State::Read, path, std::move(contents.text)};
        case platform::RegularFileRead::Missing:
            return {State::Missing, path, {}};
        case platform::RegularFileRead::TooLarge:
            return {State::TooLarge, path, {}};
        case platform::RegularFileRead::Failed:
            break;
    }
    return {State::Unreadable, path, {}};
}

int32_t ProfileFile::ReadInteger(std::string_view section, std::string_view key,
                                 int32_t defaultValue) const
{
    return Read().ReadInteger(section, key, defaultValue);
}

void ProfileFile::WriteInteger(std::string_view section, std::string_view key, int32_t value,
                               int radix) const
{
    const ProfileEntry entry{key, value};
    WriteIntegers(section, std::span(&entry, 1), radix);
}

void ProfileFile::WriteIntegers(std::string_view section, std::span<const ProfileEntry> entries,
                                int radix) const
{
    const std::string folder = Folder();
    if (folder.empty() || !platform::MakeFolders(folder)) {
        return;
    }
    // A settings file linked in from elsewhere (a dotfiles repository) stays a link: the
    // file it leads to is the one replaced, in its own folder.
    const auto path = platform::FollowLinks(
        folder + platform::FindEntryIgnoringCase(folder, fileName_).value_or(fileName_));
    if (!path) {
        return;
    }
    // Held from the reading to the replacing; a holder that does not let go within the
    // patience is not waited for any longer, as the write matters more than the race.
    const platform::FolderLock lock(path->substr(0, path->rfind('/') + 1), kLockPatience);

    platform::RegularFileContents contents;
    std::optional<unsigned> permissions;
    switch (platform::ReadRegularFile(*path, contents, kLargestFile)) {
        case platform::RegularFileRead::Read:
            // A file the user made read-only stays as it is, although the folder would let us
            // replace it.
            if (!platform::IsWritable(*path)) {
                return;
            }
            permissions = contents.permissions;
            break;
        case platform::RegularFileRead::Missing:
            contents.text.clear();
            break;
        case platform::RegularFileRead::Failed:
        case platform::RegularFileRead::TooLarge:
            // Writing without the old text would throw every other setting away, and what is
            // not a file is not ours to replace.
            return;
    }

    std::string updated = contents.text;
    for (const ProfileEntry& entry : entries) {
        updated =
            SetProfileValue(updated, section, entry.key, FormatProfileInteger(entry.value, radix));
    }
    if (updated != contents.text || !permissions) {
        platform::ReplaceFileAtomically(
            *path, [&updated](int fd) { return platform::WriteAll(fd, updated) == 0; },
            permissions);
    }
}

const ProfileFile& SettingsFile()
{
    static const ProfileFile settings("Razzlewick.ini");
    return settings;
}

const ProfileFile& ApplicationProfile()
{
    static const ProfileFile profile(ExecutableTitle() + ".INI");
    return profile;
}

}  // namespace razzlewick
