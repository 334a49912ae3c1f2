// Feeds arbitrary bytes to the settings reader and writer as the settings file.
#include "settings/ProfileFile.h"

#include <cstdint>
#include <cstdlib>
#include <fstream>
#include <string>

namespace {

std::string settingsPath;

}  // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***)
{
    char folder[] = "/tmp/razzlewick-fuzz-XXXXXX";
    if (mkdtemp(folder) == nullptr) {
        std::abort();
    }
    setenv("XDG_CONFIG_HOME", folder, 1);
    settingsPath = std::string(folder) + "/razzlewick/Razzlewick.ini";
    // The first write makes the folder.
    SettingsFile().WriteInteger("settings", "num", 1);
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    {
        std::ofstream file(settingsPath, std::ios::binary | std::ios::trunc);
        file.write(reinterpret_cast<const char*>(data), static_cast<std::streamsize>(size));
    }
    const ProfileFile& profile = SettingsFile();
    profile.ReadInteger("settings", "num", 1);
    profile.ReadInteger("Settings", "autoCopy", 0);

    // Whatever the file held, a value just written must read back.
    const int32_t value = static_cast<int32_t>(size) - 7;
    profile.WriteInteger("settings", "level", value);
    if (profile.ReadInteger("SETTINGS", "Level", 12345) != value) {
        std::abort();
    }
    return 0;
}
