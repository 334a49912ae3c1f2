#include "data/LoadMessages.h"

#include "platform/FileErrorCause.h"

#include <array>

namespace razzlewick {

namespace {

// Indexed by cause; the lock causes (11, 12) never use this table.
constexpr std::array<std::string_view, 15> kCauseTexts = {
    "An unknown error occurred while accessing %1.",
    "An unknown error occurred while accessing %1.",
    "%1 was not found.",
    "%1 contains an invalid path.",
    "%1 could not be opened because there are too many open files.",
    "Access to %1 was denied.",
    "An invalid file handle was associated with %1.",
    "%1 could not be removed because it is the current directory.",
    "%1 could not be created because the directory is full.",
    "Seek failed on %1",
    "A hardware I/O error was reported while accessing %1.",
    "",
    "",
    "Disk full while accessing %1.",
    "An attempt was made to access %1 past its end.",
};

// The length in bytes of the first `characters` characters of text. A character is a whole
// UTF-8 sequence, or a single byte where none begins, so that a cut never splits a path's
// character and a path in another encoding still keeps one byte per character.
size_t CharactersLength(std::string_view text, size_t characters)
{
    size_t at = 0;
    for (; characters > 0 && at < text.size(); --characters) {
        const auto lead = static_cast<unsigned char>(text[at]);
        const size_t length = lead >= 0xF0 && lead <= 0xF4   ? 4
                              : lead >= 0xE0 && lead <= 0xEF ? 3
                              : lead >= 0xC2 && lead <= 0xDF ? 2
                                                             : 1;
        size_t followers = 1;
        while (followers < length && at + followers < text.size() &&
               (static_cast<unsigned char>(text[at + followers]) & 0xC0) == 0x80) {
            ++followers;
        }
        at += followers == length ? length : 1;
    }
    return at;
}

}  // namespace

std::string_view ClosingMessage(int32_t filesFound, int32_t filesLoaded)
{
    if (filesFound == 0) {
        return kLoadNoFilesFound;
    }
    return filesLoaded == 0 ? kLoadNoneLoaded : std::string_view();
}

std::string FileErrorMessage(int32_t cause, const std::string& path)
{
    if (cause == platform::kCauseSharingViolation || cause == platform::kCauseLockViolation) {
        return std::string(kLoadLocked);
    }
    const std::string_view text =
        cause >= platform::kCauseGeneric && cause < static_cast<int32_t>(kCauseTexts.size())
            ? kCauseTexts[static_cast<size_t>(cause)]
            : kCauseTexts[platform::kCauseGeneric];
    std::string message;
    const size_t marker = text.find("%1");
    message.append(text.substr(0, marker));
    message.append(path);
    message.append(text.substr(marker + 2));
    message.resize(CharactersLength(message, kFileErrorMessageLimit));
    return message;
}

}  // namespace razzlewick
