#include "platform/DesktopEntry.h"

#include "platform/XdgDataFolders.h"

#include <sys/stat.h>

#include <fstream>

namespace razzlewick::platform {

namespace {

bool IsRegularFile(const std::string& path)
{
    struct stat info {};
    return stat(path.c_str(), &info) == 0 && S_ISREG(info.st_mode);
}

std::string UnescapeString(const std::string& value)
{
    std::string text;
    for (size_t i = 0; i < value.size(); ++i) {
        if (value[i] != '\\' || i + 1 == value.size()) {
            text.push_back(value[i]);
            continue;
        }
        switch (value[++i]) {
            case 's':
                text.push_back(' ');
                break;
            case 'n':
                text.push_back('\n');
                break;
            case 't':
                text.push_back('\t');
                break;
            case 'r':
                text.push_back('\r');
                break;
            case '\\':
                text.push_back('\\');
                break;
            default:
                // Not a string escape: the quoting rule of Exec deals with it later.
                text.push_back('\\');
                text.push_back(value[i]);
                break;
        }
    }
    return text;
}

std::string Trimmed(const std::string& text)
{
    const auto first = text.find_first_not_of(" \t\r");
    if (first == std::string::npos) {
        return {};
    }
    const auto last = text.find_last_not_of(" \t\r");
    return text.substr(first, last - first + 1);
}

}  // namespace

std::vector<std::string> ApplicationFolders()
{
    std::vector<std::string> folders;
    if (const std::string dataHome = DataHomeFolder(); !dataHome.empty()) {
        folders.push_back(dataHome + "applications/");
    }
    for (const std::string& folder : DataDirFolders()) {
        folders.push_back(folder + "applications/");
    }
    return folders;
}

std::optional<std::string> FindDesktopFile(const std::string& desktopId)
{
    if (desktopId.empty() || desktopId.find('/') != std::string::npos) {
        return std::nullopt;
    }
    for (const auto& folder : ApplicationFolders()) {
        if (IsRegularFile(folder + desktopId)) {
            return folder + desktopId;
        }
        // An id's dashes may stand for subfolders; try each split, leftmost first.
        std::string nested = desktopId;
        for (auto dash = nested.find('-'); dash != std::string::npos;
             dash = nested.find('-', dash + 1)) {
            nested[dash] = '/';
            if (IsRegularFile(folder + nested)) {
                return folder + nested;
            }
        }
    }
    return std::nullopt;
}

std::optional<std::string> ReadExecLine(const std::string& path)
{
    std::ifstream file(path);
    if (!file) {
        return std::nullopt;
    }
    bool inMainGroup = false;
    std::string line;
    while (std::getline(file, line)) {
        const std::string trimmed = Trimmed(line);
        if (trimmed.empty() || trimmed.front() == '#') {
            continue;
        }
        if (trimmed.front() == '[') {
            inMainGroup = trimmed == "[Desktop Entry]";
            continue;
        }
        const auto equals = trimmed.find('=');
        if (!inMainGroup || equals == std::string::npos ||
            Trimmed(trimmed.substr(0, equals)) != "Exec") {
            continue;
        }
        std::string value = UnescapeString(Trimmed(trimmed.substr(equals + 1)));
        if (value.empty()) {
            return std::nullopt;
        }
        return value;
    }
    return std::nullopt;
}

std::vector<std::string> SplitExecLine(const std::string& exec)
{
    std::vector<std::string> arguments;
    std::string current;
    bool inArgument = false;
    bool quoted = false;
    for (size_t i = 0; i < exec.size(); ++i) {
        const char c = exec[i];
        if (quoted) {
            if (c == '"') {
                quoted = false;
            } else if (c == '\\' && i + 1 < exec.size() &&
                       (exec[i + 1] == '"' || exec[i + 1] == '`' || exec[i + 1] == '$' ||
                        exec[i + 1] == '\\')) {
                current.push_back(exec[++i]);
            } else {
                current.push_back(c);
            }
        } else if (c == ' ' || c == '\t' || c == '\n') {
            if (inArgument) {
                arguments.push_back(current);
                current.clear();
                inArgument = false;
            }
        } else if (c == '"') {
            quoted = true;
            inArgument = true;
        } else {
            current.push_back(c);
            inArgument = true;
        }
    }
    if (inArgument) {
        arguments.push_back(current);
    }
    return arguments;
}

}  // namespace razzlewick::platform
