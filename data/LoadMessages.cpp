#include "data/LoadMessages.h"

#include "platform/FileErrorCause.h"

#include <array>

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

}  // namespace

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
    if (message.size() > kFileErrorMessageLimit) {
        message.resize(kFileErrorMessageLimit);
    }
    return message;
}
