#include "data/SearchReport.h"

#include "data/InsultGenerator.h"
#include "data/LoadMessages.h"

namespace razzlewick {

namespace {

constexpr std::string_view kIndent = "  ";

std::string_view RoleHeading(DataFolderRole role)
{
    switch (role) {
        case DataFolderRole::Program:
            return "Program folder: ";
        case DataFolderRole::Current:
            return "Current folder: ";
        case DataFolderRole::User:
            return "Your styles folder: ";
        case DataFolderRole::System:
            return "System folder: ";
    }
    return {};
}

std::string WithPlainLineBreaks(std::string_view text)
{
    std::string result;
    result.reserve(text.size() + 1);
    for (size_t i = 0; i < text.size(); ++i) {
        if (text[i] != '\r' || i + 1 == text.size() || text[i + 1] != '\n') {
            result += text[i];
        }
    }
    result += '\n';
    return result;
}

// Appends the lines as FormatReportLines describes, each file named with its folder or not.
void AppendReportLines(std::string& text, const std::vector<LoadResult>& lines, bool failedOnly,
                       std::string_view prefix, size_t limit, bool withFolder)
{
    size_t shown = 0;
    size_t hidden = 0;
    const auto sayHowManyMore = [&] {
        if (hidden != 0)
            text.append(prefix).append("and " + std::to_string(hidden) + " more files\n");
        hidden = 0;
    };
    for (const LoadResult& line : lines) {
        if (failedOnly && !line.failed)
            continue;
        if (line.fileName.empty()) {
            sayHowManyMore();
        } else if (shown == limit) {
            ++hidden;
            continue;
        } else {
            ++shown;
        }
        text.append(prefix).append(withFolder ? FormatReportLine(line)
                                              : FormatReportLine(line, line.fileName));
    }
    sayHowManyMore();
}

}  // namespace

std::string FormatReportLines(const std::vector<LoadResult>& lines, bool failedOnly,
                              std::string_view prefix, size_t limit)
{
    std::string text;
    AppendReportLines(text, lines, failedOnly, prefix, limit, true);
    return text;
}

std::string FormatReportLine(const LoadResult& line)
{
    return FormatReportLine(line, ReportPath(line));
}

std::string FormatReportLine(const LoadResult& line, const std::string& shownPath)
{
    std::string text = shownPath.empty() ? line.message : shownPath + " - " + line.message;
    if (!line.hint.empty())
        text += ". " + line.hint;
    return WithPlainLineBreaks(text);
}

std::string FormatSearchReport(const InsultGenerator& engine, size_t limit)
{
    std::string text;
    if (!engine.SearchedFolders().empty())
        text +=
            "Folders in the order they are read (a style's template comes from the last file "
            "that holds it):\n";
    for (const SearchedFolder& folder : engine.SearchedFolders()) {
        text.append(RoleHeading(folder.role)).append(folder.path).append("\n");
        switch (folder.outcome) {
            case FolderOutcome::Missing:
                text.append(kIndent).append("not there\n");
                continue;
            case FolderOutcome::AlreadyRead:
                text.append(kIndent).append("the same folder as " + folder.sameAs +
                                            ", not read again\n");
                continue;
            case FolderOutcome::ReadLater:
                text.append(kIndent).append("the same folder as " + folder.sameAs +
                                            ", read there instead\n");
                continue;
            case FolderOutcome::Read:
                if (folder.lines.empty()) {
                    text.append(kIndent).append("no data files\n");
                }
                break;
            case FolderOutcome::Unusable:
                break;
        }
        // The folder's heading says where.
        AppendReportLines(text, folder.lines, false, kIndent, limit, false);
    }
    for (const std::string& ignored : engine.IgnoredSettings())
        text.append("Ignored: ").append(ignored).append("\n");
    if (const std::string_view closing = ClosingMessage(engine.FilesFound(), engine.FilesLoaded());
        !closing.empty() && !engine.SearchedFolders().empty()) {
        text += WithPlainLineBreaks(closing);
    }
    return text;
}

}  // namespace razzlewick
