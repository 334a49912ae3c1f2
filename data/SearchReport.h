#pragma once

#include "data/LoadResult.h"

#include <cstddef>
#include <limits>
#include <string>
#include <string_view>
#include <vector>

namespace razzlewick {

class InsultGenerator;

// A report line as the start-up problems dialog shows it ("path - message", the file with
// its folder, or the message alone; and the hint, when there is one), its CR LF breaks made
// plain line breaks, ending in "\n".
std::string FormatReportLine(const LoadResult& line);
// The same with the file shown as `shownPath` (none for the message alone).
std::string FormatReportLine(const LoadResult& line, const std::string& shownPath);

// A report on a terminal stays readable however many files fail: this many lines that name
// a file, then one that says how many more there are.
inline constexpr size_t kShortReportLines = 20;
inline constexpr size_t kAllReportLines = std::numeric_limits<size_t>::max();

// The lines of a report (the failed ones alone when `failedOnly`), each after `prefix`; past
// `limit` lines that name a file, one line "and N more files" stands for the rest of them.
std::string FormatReportLines(const std::vector<LoadResult>& lines, bool failedOnly,
                              std::string_view prefix, size_t limit);

// The engine's last search, folder by folder in the order they were read: a heading per folder
// naming its role and path, then, indented, a line per file tried (at most `limit` a folder,
// as above) or what became of the folder instead; then a line per setting of the desktop's
// that was ignored, and last the closing line when there is one. Plain "\n" line breaks;
// paths as the file system holds them.
std::string FormatSearchReport(const InsultGenerator& engine, size_t limit = kAllReportLines);

}  // namespace razzlewick
