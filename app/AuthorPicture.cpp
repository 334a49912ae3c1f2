#include "app/AuthorPicture.h"

#include "data/InsultStyle.h"
#include "data/Windows1252.h"
#include "platform/FolderSearch.h"

#include <optional>

namespace razzlewick {

std::string AuthorPicture(const InsultStyle& style, const std::string& key)
{
    const std::string name = Windows1252ToUtf8(key);
    if (name.empty() || name.find_first_of(std::string("/\0", 2)) != std::string::npos)
        return {};
    for (auto file = style.Files().rbegin(); file != style.Files().rend(); ++file) {
        const std::string folder = file->substr(0, file->rfind('/') + 1);
        for (const char* ending : {".svg", ".png"}) {
            if (const std::optional<std::string> found =
                    platform::FindEntryIgnoringCase(folder, name + ending))
                return folder + *found;
        }
    }
    return {};
}

}  // namespace razzlewick
