#include "about/OpenDocumentation.h"

#include "about/ShellOpen.h"

std::vector<std::string> DocumentationCandidates(const std::string& productName)
{
    return {productName + ".html", "ReadMe.html", "ReadMe.htm", "ReadMe.txt"};
}

bool OpenDocumentationIn(const std::string& folder, const std::string& productName)
{
    for (const auto& candidate : DocumentationCandidates(productName)) {
        if (ShellOpen(folder + candidate, false)) {
            return true;
        }
    }
    return false;
}
