#include "settings/FavouritesFile.h"

#include "platform/FdIo.h"
#include "platform/FileSystem.h"
#include "platform/FolderLock.h"
#include "platform/ReadFile.h"
#include "platform/ReplaceFile.h"
#include "platform/XdgDataFolders.h"
#include "settings/FavouriteLine.h"

#include <algorithm>
#include <chrono>
#include <functional>
#include <optional>
#include <string_view>
#include <unordered_set>
#include <utility>

namespace razzlewick {

namespace {

// Long enough for two hundred scripts keeping at once; a change is never made without the
// lock, as that could lose what another writer adds meanwhile.
constexpr std::chrono::milliseconds kFavouritesLockPatience(10000);

constexpr std::string_view kByteOrderMark = "\xEF\xBB\xBF";

constexpr std::string_view kNewFileHeader =
    "# Razzlewick's favourites, one kept insult a line: DATE [STYLE] INSULT\n"
    "# Edit freely. Lines beginning with # and lines Razzlewick cannot read are left as they "
    "are.\n";

struct FavouritesLine final {
    std::string_view bytes;  // the line as the file holds it, its line end included
    ParsedFavouriteLine parsed;
};

// Every line of `text`; a damaged one is kept for writing back, its problem for reporting.
std::vector<FavouritesLine> SplitFavouritesText(std::string_view text)
{
    std::vector<FavouritesLine> lines;
    size_t start = 0;
    while (start < text.size()) {
        const size_t newline = text.find('\n', start);
        const size_t end = newline == std::string_view::npos ? text.size() : newline + 1;
        std::string_view content = text.substr(start, end - start);
        if (!content.empty() && content.back() == '\n') {
            content.remove_suffix(1);
        }
        if (!content.empty() && content.back() == '\r') {
            content.remove_suffix(1);
        }
        if (start == 0 && content.starts_with(kByteOrderMark)) {
            content.remove_prefix(kByteOrderMark.size());
        }
        lines.push_back({text.substr(start, end - start), ParseFavouriteLine(content)});
        start = end;
    }
    return lines;
}

std::string TrimmedText(const std::string& text)
{
    const size_t first = text.find_first_not_of(" \t");
    if (first == std::string::npos) {
        return {};
    }
    return text.substr(first, text.find_last_not_of(" \t") - first + 1);
}

std::string MiB(std::size_t bytes)
{
    return std::to_string(bytes >> 20) + " MiB";
}

// Reads the file under the folder's lock, lets `edit` change its text (answering how many
// favourites it added or removed) and replaces the file with the result.
FavouritesChange ChangeFile(const std::string& path,
                            const std::function<std::size_t(std::string& text)>& edit)
{
    const size_t slash = path.rfind('/');
    if (path.empty() || slash == std::string::npos) {
        return {0, "no home folder is known, so there is no favourites file"};
    }
    const std::string folder = path.substr(0, slash + 1);
    if (!platform::MakeFolders(folder)) {
        return {0, "cannot make the folder " + folder};
    }
    // A file linked in from elsewhere stays a link: the file it leads to is replaced.
    const std::optional<std::string> target = platform::FollowLinks(path);
    if (!target) {
        return {0, path + " is a link that leads round in circles"};
    }
    const platform::FolderLock lock(target->substr(0, target->rfind('/') + 1),
                                    kFavouritesLockPatience);
    if (!lock.Held()) {
        return {0, "the folder of " + *target + " stays locked by another program"};
    }
    platform::RegularFileContents contents;
    std::optional<unsigned> permissions;
    switch (platform::ReadRegularFile(*target, contents, FavouritesFile::kLargestFile)) {
        case platform::RegularFileRead::Read:
            if (!platform::IsWritable(*target)) {
                return {0, *target + " is read-only"};
            }
            permissions = contents.permissions;
            break;
        case platform::RegularFileRead::Missing:
            contents.text.clear();
            break;
        case platform::RegularFileRead::TooLarge:
            return {0, *target + " is larger than " + MiB(FavouritesFile::kLargestFile) +
                           ", so Razzlewick does not change it"};
        case platform::RegularFileRead::Failed:
            return {0, *target + " cannot be read, so Razzlewick does not change it"};
    }
    std::string text = contents.text;
    const std::size_t changed = edit(text);
    if (changed == 0) {
        return {};
    }
    const platform::ReplaceResult replaced = platform::ReplaceFileAtomically(
        *target, [&text](int fd) { return platform::WriteAll(fd, text) == 0; }, permissions);
    if (!replaced.Succeeded()) {
        return {0, "cannot write " + *target};
    }
    return {changed, {}};
}

}  // namespace

FavouritesFile::FavouritesFile(std::string path) : path_(std::move(path)) {}

std::string FavouritesFile::DefaultPath()
{
    const std::string dataHome = platform::DataHomeFolder();
    return dataHome.empty() ? std::string() : dataHome + "razzlewick/favourites.txt";
}

FavouritesContents FavouritesFile::Read() const
{
    using State = FavouritesContents::State;
    FavouritesContents result;
    result.state = State::Read;
    result.path = path_;
    platform::RegularFileContents contents;
    switch (platform::ReadRegularFile(path_, contents, kLargestFile)) {
        case platform::RegularFileRead::Read:
            break;
        case platform::RegularFileRead::Missing:
            result.state = State::Missing;
            return result;
        case platform::RegularFileRead::Failed:
            result.state = State::Unreadable;
            result.problem = path_ + " cannot be read";
            return result;
        case platform::RegularFileRead::TooLarge:
            // As far as it makes sense: the whole lines of its start.
            result.state = State::TooLarge;
            contents.text = platform::ReadRegularFileStart(path_, kLargestFile);
            contents.text.erase(contents.text.rfind('\n') + 1);
            break;
    }
    std::size_t lineNumber = 0;
    for (FavouritesLine& line : SplitFavouritesText(contents.text)) {
        ++lineNumber;
        if (line.parsed.kind == FavouriteLineKind::Favourite) {
            result.favourites.push_back(std::move(line.parsed.favourite));
        } else if (line.parsed.kind == FavouriteLineKind::Damaged && ++result.damagedLines == 1) {
            result.problem = path_ + " line " + std::to_string(lineNumber) + ": " +
                             line.parsed.problem + "; the line is skipped";
        }
    }
    if (result.damagedLines > 1) {
        result.problem += ", and " + std::to_string(result.damagedLines - 1) +
                          (result.damagedLines == 2 ? " more line" : " more lines");
    }
    if (result.state == State::TooLarge) {
        result.problem = path_ + " is larger than " + MiB(kLargestFile) +
                         ": only its start is read, and Razzlewick does not change it" +
                         (result.problem.empty() ? "" : "; " + result.problem);
    }
    return result;
}

FavouritesChange FavouritesFile::Add(std::span<const Favourite> favourites) const
{
    return ChangeFile(path_, [favourites](std::string& text) {
        std::unordered_set<std::string> kept;
        for (const FavouritesLine& line : SplitFavouritesText(text)) {
            if (line.parsed.kind == FavouriteLineKind::Favourite) {
                kept.insert(line.parsed.favourite.text);
            }
        }
        std::string added;
        std::size_t count = 0;
        for (const Favourite& favourite : favourites) {
            Favourite trimmed = favourite;
            trimmed.text = TrimmedText(favourite.text);
            if (!trimmed.text.empty() && kept.insert(trimmed.text).second) {
                added += FormatFavouriteLine(trimmed) + '\n';
                ++count;
            }
        }
        if (count != 0) {
            if (text.empty()) {
                text = kNewFileHeader;
            } else if (text.back() != '\n') {
                text += '\n';
            }
            text += added;
        }
        return count;
    });
}

FavouritesChange FavouritesFile::Remove(std::span<const std::string> texts) const
{
    return ChangeFile(path_, [texts](std::string& text) {
        const std::unordered_set<std::string> removed(texts.begin(), texts.end());
        std::string kept;
        kept.reserve(text.size());
        std::size_t count = 0;
        for (const FavouritesLine& line : SplitFavouritesText(text)) {
            if (line.parsed.kind == FavouriteLineKind::Favourite &&
                removed.contains(line.parsed.favourite.text)) {
                ++count;
            } else {
                kept += line.bytes;
            }
        }
        text = std::move(kept);
        return count;
    });
}

std::vector<Favourite> NewestFirst(std::vector<Favourite> favourites)
{
    std::reverse(favourites.begin(), favourites.end());
    std::stable_sort(favourites.begin(), favourites.end(),
                     [](const Favourite& a, const Favourite& b) { return a.date > b.date; });
    return favourites;
}

}  // namespace razzlewick
