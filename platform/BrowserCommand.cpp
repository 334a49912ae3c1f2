#include "platform/BrowserCommand.h"

#include "platform/DesktopEntry.h"
#include "platform/SpawnProcess.h"

namespace razzlewick::platform {

namespace {

bool IsUrlFieldCode(char letter)
{
    return letter == 'u' || letter == 'U' || letter == 'f' || letter == 'F';
}

// Where to cut: the opening quote of the first quoted field code, else the first bare one.
size_t CutPosition(const std::string& exec)
{
    size_t firstQuoted = std::string::npos;
    size_t firstBare = std::string::npos;
    for (size_t i = 0; i + 1 < exec.size(); ++i) {
        if (exec[i] != '%') {
            continue;
        }
        if (exec[i + 1] == '%') {
            ++i;  // "%%" is a literal percent sign, never a field code
            continue;
        }
        if (!IsUrlFieldCode(exec[i + 1])) {
            continue;
        }
        const bool quoted =
            i > 0 && exec[i - 1] == '"' && i + 2 < exec.size() && exec[i + 2] == '"';
        if (quoted && firstQuoted == std::string::npos) {
            firstQuoted = i - 1;
        }
        if (firstBare == std::string::npos) {
            firstBare = i;
        }
    }
    return firstQuoted != std::string::npos ? firstQuoted : firstBare;
}

// Expands what is left of the field codes before the cut: "%%" becomes "%", and the
// others (%i, %c, %k and the deprecated ones) are dropped, as a launcher without an
// icon, name or file location gives them nothing.
std::string WithoutFieldCodes(const std::string& argument)
{
    std::string text;
    for (size_t i = 0; i < argument.size(); ++i) {
        if (argument[i] == '%' && i + 1 < argument.size()) {
            if (argument[i + 1] == '%') {
                text.push_back('%');
            }
            ++i;
            continue;
        }
        text.push_back(argument[i]);
    }
    return text;
}

std::string FirstLine(const std::string& text)
{
    const auto end = text.find_first_of("\r\n");
    std::string line = text.substr(0, end);
    while (!line.empty() && (line.back() == ' ' || line.back() == '\t')) {
        line.pop_back();
    }
    return line;
}

}  // namespace

std::optional<std::string> RegisteredBrowserExec(std::chrono::milliseconds patience)
{
    for (const char* type : {"x-scheme-handler/http", "text/html"}) {
        const auto output = RunAndCapture({"xdg-mime", "query", "default", type}, patience);
        if (!output) {
            continue;
        }
        const std::string desktopId = FirstLine(*output);
        if (desktopId.empty()) {
            continue;
        }
        const auto file = FindDesktopFile(desktopId);
        if (!file) {
            return std::nullopt;
        }
        return ReadExecLine(*file);
    }
    return std::nullopt;
}

std::vector<std::string> BrowserCommandFor(const std::string& exec, const std::string& url)
{
    const auto cut = CutPosition(exec);
    std::vector<std::string> command;
    for (const auto& argument : SplitExecLine(exec.substr(0, cut))) {
        const bool onlyFieldCodes = argument.size() >= 2 && argument.front() == '%';
        std::string expanded = WithoutFieldCodes(argument);
        if (!expanded.empty() || !onlyFieldCodes) {
            command.push_back(std::move(expanded));
        }
    }
    if (command.empty()) {
        return {};
    }
    command.push_back(url);
    return command;
}

}  // namespace razzlewick::platform
