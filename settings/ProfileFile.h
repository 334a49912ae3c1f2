#pragma once

#include <cstdint>
#include <span>
#include <string>
#include <string_view>

namespace razzlewick {

// One key and its value, for writing several keys of a section at once.
struct ProfileEntry final {
    std::string_view key;
    int32_t value = 0;
};

// One initialisation file of sections and key=value lines in the settings folder, read and
// written by integers. Holds nothing but the file name: every read sees the file as it is on
// disk now, and every write rereads, changes and replaces it at once, under a lock that other
// programs writing the same folder take too, so none of them loses another's change.
class ProfileFile final {
public:
    // fileName is a bare name inside Folder(), matched there without regard to case.
    explicit ProfileFile(std::string fileName);

    // The key's value as a decimal integer, or defaultValue when the file, the section or
    // the key is missing. Never fails.
    int32_t ReadInteger(std::string_view section, std::string_view key, int32_t defaultValue) const;

    // Stores value as text in the given radix (2 to 36; anything else means 10), creating the
    // folder, file, section or key as needed and changing nothing else in the file. A write
    // that cannot be made is dropped silently and leaves the file as it was.
    void WriteInteger(std::string_view section, std::string_view key, int32_t value,
                      int radix = 10) const;
    // The entries as WriteInteger would store them one after the other, in one replacement
    // of the file.
    void WriteIntegers(std::string_view section, std::span<const ProfileEntry> entries,
                       int radix = 10) const;

    const std::string& FileName() const { return fileName_; }

    // "$XDG_CONFIG_HOME/razzlewick/", with $HOME/.config standing in for an unset, empty or
    // relative XDG_CONFIG_HOME; looked up afresh on every call. Empty when no home is known.
    static std::string Folder();

private:
    std::string fileName_;
};

// The program's settings, "Razzlewick.ini".
const ProfileFile& SettingsFile();

// The per-program profile that keeps window sizes: "<executable title>.INI", which for the
// program itself is the same file as SettingsFile().
const ProfileFile& ApplicationProfile();

}  // namespace razzlewick
