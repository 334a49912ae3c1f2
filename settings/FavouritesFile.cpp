#include "settings/FavouritesFile.h"

#include "platform/AsciiCase.h"
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

// Hands every line of `text` to `use`, as the file holds it (its line end included) and its
// content alone (without the line end, or a byte order mark before the first).
template <typename Use>
void ForEachLineOf(std::string_view text, Use&& use)
{
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
        use(text.substr(start, end - start), content);
        start = end;
    }
}

// Every line of `text` read; a damaged one too, to be kept for writing back and its problem
// reported.
template <typename Use>
void ForEachFavouritesLine(std::string_view text, Use&& use)
{
    ForEachLineOf(text, [&use](std::string_view bytes, std::string_view content) {
        use(FavouritesLine{bytes, ParseFavouriteLine(content)});
    });
}

std::string MiB(std::size_t bytes)
{
    return std::to_string(bytes >> 20) + " MiB";
}

// The file's text, as much of it as is read; the state (and why nothing could be read) in
// `result`.
std::string ReadFavouritesText(const std::string& path, FavouritesContents& result)
{
    using State = FavouritesContents::State;
    result.state = State::Read;
    result.path = path;
    platform::RegularFileContents contents;
    switch (platform::ReadRegularFile(path, contents, FavouritesFile::kLargestFile)) {
        case platform::RegularFileRead::Read:
            break;
        case platform::RegularFileRead::Missing:
            result.state = State::Missing;
            return {};
        case platform::RegularFileRead::Failed:
            result.state = State::Unreadable;
            result.problem = path + " cannot be read";
            return {};
        case platform::RegularFileRead::TooLarge:
            // As far as it makes sense: the whole lines of its start.
            result.state = State::TooLarge;
            contents.text = platform::ReadRegularFileStart(path, FavouritesFile::kLargestFile);
            contents.text.erase(contents.text.rfind('\n') + 1);
            break;
    }
    return std::move(contents.text);
}

void NoteDamagedLine(FavouritesContents& result, std::size_t lineNumber, const std::string& problem)
{
    if (++result.damagedLines == 1) {
        result.problem = result.path + " line " + std::to_string(lineNumber) + ": " + problem +
                         "; the line is skipped";
    }
}

// The problem in one sentence, once every line is read.
void FinishProblem(FavouritesContents& result)
{
    if (result.damagedLines > 1) {
        result.problem += ", and " + std::to_string(result.damagedLines - 1) +
                          (result.damagedLines == 2 ? " more line" : " more lines");
    }
    if (result.state == FavouritesContents::State::TooLarge) {
        result.problem = result.path + " is larger than " + MiB(FavouritesFile::kLargestFile) +
                         ": only its start is read, and Razzlewick does not change it" +
                         (result.problem.empty() ? "" : "; " + result.problem);
    }
}

std::string TrimmedText(const std::string& text)
{
    const size_t first = text.find_first_not_of(" \t");
    if (first == std::string::npos) {
        return {};
    }
    return text.substr(first, text.find_last_not_of(" \t") - first + 1);
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
    FavouritesContents result;
    const std::string text = ReadFavouritesText(path_, result);
    std::size_t lineNumber = 0;
    ForEachFavouritesLine(text, [&](FavouritesLine&& line) {
        ++lineNumber;
        if (line.parsed.kind == FavouriteLineKind::Favourite) {
            result.favourites.push_back(std::move(line.parsed.favourite));
        } else if (line.parsed.kind == FavouriteLineKind::Damaged) {
            NoteDamagedLine(result, lineNumber, line.parsed.problem);
        }
    });
    FinishProblem(result);
    return result;
}

FavouritePick FavouritesFile::Pick(std::string_view style,
                                   const std::function<std::size_t(std::size_t)>& choose) const
{
    FavouritePick pick;
    FavouritesContents& result = pick.contents;
    const std::string text = ReadFavouritesText(path_, result);
    std::vector<std::string_view> matching;
    std::size_t lineNumber = 0;
    ForEachLineOf(text, [&](std::string_view, std::string_view content) {
        ++lineNumber;
        if (const std::optional<std::string_view> plain = PlainFavouriteStyle(content)) {
            ++pick.total;
            if (style.empty() || platform::EqualsIgnoringAsciiCase(*plain, style)) {
                matching.push_back(content);
            }
            return;
        }
        const ParsedFavouriteLine parsed = ParseFavouriteLine(content);
        if (parsed.kind == FavouriteLineKind::Damaged) {
            NoteDamagedLine(result, lineNumber, parsed.problem);
        } else if (parsed.kind == FavouriteLineKind::Favourite) {
            ++pick.total;
            if (style.empty() || platform::EqualsIgnoringAsciiCase(parsed.favourite.style, style)) {
                matching.push_back(content);
            }
        }
    });
    FinishProblem(result);
    pick.matching = matching.size();
    if (!matching.empty()) {
        const std::size_t chosen = choose(matching.size()) % matching.size();
        result.favourites.push_back(ParseFavouriteLine(matching[chosen]).favourite);
    }
    return pick;
}

FavouritesChange FavouritesFile::Add(std::span<const Favourite> favourites) const
{
    return ChangeFile(path_, [favourites](std::string& text) {
        std::unordered_set<std::string> kept;
        ForEachFavouritesLine(text, [&kept](FavouritesLine&& line) {
            if (line.parsed.kind == FavouriteLineKind::Favourite) {
                kept.insert(std::move(line.parsed.favourite.text));
            }
        });
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
        ForEachFavouritesLine(text, [&](FavouritesLine&& line) {
            if (line.parsed.kind == FavouriteLineKind::Favourite &&
                removed.contains(line.parsed.favourite.text)) {
                ++count;
            } else {
                kept += line.bytes;
            }
        });
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
