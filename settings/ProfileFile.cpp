#include "settings/ProfileFile.h"

#include "settings/ProfileInteger.h"
#include "settings/ProfileStorage.h"
#include "settings/ProfileText.h"

#include <pwd.h>
#include <unistd.h>

#include <array>
#include <cstdlib>
#include <utility>

namespace {

// Values longer than this are cut, as by the 255-character buffer (terminator included) that
// the settings were always read through.
constexpr size_t maxValueLength = 254;

std::string HomeFolder()
{
    const char* home = std::getenv("HOME");
    if (home != nullptr && home[0] == '/') {
        return home;
    }
    const passwd* entry = ::getpwuid(::getuid());
    if (entry != nullptr && entry->pw_dir != nullptr && entry->pw_dir[0] == '/') {
        return entry->pw_dir;
    }
    return {};
}

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
    std::array<char, 4096> buffer{};
    const ssize_t length = ::readlink("/proc/self/exe", buffer.data(), buffer.size() - 1);
    if (length <= 0) {
        return "razzlewick";
    }
    std::string name(buffer.data(), static_cast<size_t>(length));
    name.erase(0, name.rfind('/') + 1);
    const size_t dot = name.rfind('.');
    if (dot != std::string::npos && dot > 0) {
        name.erase(dot);
    }
    return name.empty() ? "razzlewick" : name;
}

}  // namespace

ProfileFile::ProfileFile(std::string fileName) : fileName(std::move(fileName)) {}

std::string ProfileFile::Folder()
{
    const char* configHome = std::getenv("XDG_CONFIG_HOME");
    std::string base;
    if (configHome != nullptr && configHome[0] == '/') {
        base = configHome;
    } else {
        const std::string home = HomeFolder();
        if (home.empty()) {
            return {};
        }
        base = WithoutTrailingSlashes(home) + "/.config";
    }
    base = WithoutTrailingSlashes(base);
    return (base == "/" ? "" : base) + "/razzlewick/";
}

int32_t ProfileFile::ReadInteger(std::string_view section, std::string_view key,
                                 int32_t defaultValue) const
{
    const std::string folder = Folder();
    if (folder.empty()) {
        return defaultValue;
    }
    const auto actualName = ProfileStorage::FindIgnoringCase(folder, fileName);
    if (!actualName) {
        return defaultValue;
    }
    ProfileStorage::FileContents contents;
    if (ProfileStorage::ReadWhole(folder + *actualName, contents) !=
        ProfileStorage::ReadResult::read) {
        return defaultValue;
    }
    const auto value = FindProfileValue(contents.text, section, key);
    if (!value) {
        return defaultValue;
    }
    return ParseProfileInteger(std::string_view(*value).substr(0, maxValueLength));
}

void ProfileFile::WriteInteger(std::string_view section, std::string_view key, int32_t value,
                               int radix) const
{
    const std::string folder = Folder();
    if (folder.empty() || !ProfileStorage::MakeFolders(folder)) {
        return;
    }
    // A settings file linked in from elsewhere (a dotfiles repository) stays a link: the
    // file it leads to is the one replaced, in its own folder.
    const auto path = ProfileStorage::FollowLinks(
        folder + ProfileStorage::FindIgnoringCase(folder, fileName).value_or(fileName));
    if (!path) {
        return;
    }
    const size_t nameStart = path->rfind('/') + 1;

    ProfileStorage::FileContents contents;
    std::optional<unsigned> permissions;
    switch (ProfileStorage::ReadWhole(*path, contents)) {
        case ProfileStorage::ReadResult::read:
            // A file the user made read-only stays as it is, although the folder would let us
            // replace it.
            if (::access(path->c_str(), W_OK) != 0) {
                return;
            }
            permissions = contents.permissions;
            break;
        case ProfileStorage::ReadResult::missing:
            contents.text.clear();
            break;
        case ProfileStorage::ReadResult::failed:
            // Writing without the old text would throw every other setting away, and what is
            // not a file is not ours to replace.
            return;
    }

    const std::string updated =
        SetProfileValue(contents.text, section, key, FormatProfileInteger(value, radix));
    if (updated != contents.text || !permissions) {
        ProfileStorage::Replace(path->substr(0, nameStart), path->substr(nameStart), updated,
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
