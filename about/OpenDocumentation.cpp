#include "about/OpenDocumentation.h"

#include "about/ShellOpen.h"
#include "platform/LaunchCodes.h"

#include <optional>

namespace razzlewick {

std::vector<std::string> DocumentationCandidates(const std::string& productName)
{
    return {productName + ".html", "ReadMe.html", "ReadMe.htm", "ReadMe.txt"};
}

bool OpenDocumentationIn(const std::string& folder, const std::string& productName, int* launchCode,
                         std::string* failedPath)
{
    std::optional<int> firstPresentFailure;
    int code = platform::kLaunchFileNotFound;
    for (const auto& candidate : DocumentationCandidates(productName)) {
        code = ShellOpenResult(folder + candidate, false);
        if (platform::LaunchSucceeded(code))
            break;
        // A missing file is checked before anything starts; any other answer means the file
        // is there and something else kept it from opening.
        if (code != platform::kLaunchFileNotFound && code != platform::kLaunchPathNotFound &&
            !firstPresentFailure) {
            firstPresentFailure = code;
            if (failedPath != nullptr)
                *failedPath = folder + candidate;
        }
    }
    if (!platform::LaunchSucceeded(code))
        code = firstPresentFailure.value_or(platform::kLaunchFileNotFound);
    if (launchCode != nullptr)
        *launchCode = code;
    return platform::LaunchSucceeded(code);
}

}  // namespace razzlewick
