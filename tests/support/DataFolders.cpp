#include "tests/support/DataFolders.h"

#include <filesystem>
#include <fstream>
#include <stdexcept>

namespace {

std::string MadeFolder(const std::string& path)
{
    std::filesystem::create_directories(path);
    return path;
}

}  // namespace

// Set as a user would, without final '/'s.
ScopedDataFolders::ScopedDataFolders()
    : home_("XDG_DATA_HOME", MadeFolder(root_ / "home")),
      dirs_("XDG_DATA_DIRS", MadeFolder(root_ / "system0") + ":" + MadeFolder(root_ / "system1"))
{
}

std::string ScopedDataFolders::SystemFolder(int index) const
{
    return root_ / ("system" + std::to_string(index) + "/razzlewick/");
}

std::string ScopedDataFolders::WriteFile(const std::string& folder, const std::string& name,
                                         const std::string& bytes) const
{
    std::filesystem::create_directories(folder);
    const std::string path = folder + name;
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    if (!out)
        throw std::runtime_error("cannot write " + path);
    return path;
}
