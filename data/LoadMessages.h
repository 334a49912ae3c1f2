#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace razzlewick {

// Texts of the load report, byte for byte as the start-up problems dialog shows them.
inline constexpr std::string_view kLoadSucceeded = "Succeeded";
inline constexpr std::string_view kLoadLocked = "File is locked, cannot read.";
inline constexpr std::string_view kLoadCorrupted = "Incompatible or corrupted data file";
inline constexpr std::string_view kLoadNoFilesFound =
    "No data files were found!\r\n\r\nIf you got Razzlewick via an email and were only sent "
    "Razzlewick.exe then complain to whoever sent it to you and visit the Razzlewick web site "
    "(click the \"About\" button for details).  You should have received razzlewick.zip which "
    "contains at least one data file.\r\n\r\nPlease note that Razzlewick searches for data "
    "files in the same folder as razzlewick.exe resides in and then the current folder.";
inline constexpr std::string_view kLoadNoneLoaded =
    "No data files were successfully loaded.  Cannot continue";

// The closing line of a load report, or "" when files were found and one of them was read.
std::string_view ClosingMessage(int32_t filesFound, int32_t filesLoaded);

// Longest file-error message, in characters; longer ones are cut.
inline constexpr size_t kFileErrorMessageLimit = 254;

// The file-error text for `cause` with %1 replaced by `path`, cut to 254 characters: whole
// UTF-8 sequences, or single bytes where the path is in another encoding.
// The two lock causes give the locked text; an unknown cause gives the generic text.
std::string FileErrorMessage(int32_t cause, const std::string& path);

}  // namespace razzlewick
