#pragma once

#include "settings/ProfileSnapshot.h"

#include <cstddef>
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
// A file larger than kLargestFile is neither read nor written: a settings file is a few
// hundred bytes, and a huge one (a sparse file of a gigabyte) would cost seconds and memory
// on every start, while replacing it with a small one would silently lose whatever it is.
class ProfileFile final {
public:
    static constexpr std::size_t kLargestFile = std::size_t{1} << 20;

    // fileName is a bare name inside Folder(), matched there without regard to case.
    explicit ProfileFile(std::string fileName);

    // The file as it is now, read once, to look keys up in. Never fails: a file missing,
    // unreadable or too large gives a snapshot whose every key has its default.
    ProfileSnapshot Read() const;
    // The key's value as a decimal integer, or defaultValue when the file, the section or
    // the key is missing. Reads the file: for several keys, Read() once.
    int32_t ReadInteger(std::string_view section, std::string_view key, int32_t defaultValue) const;

    // Stores value as text in the given radix (2 to 36; anything else means 10), creating the
    // folder, file, section or key as needed and changing nothing else in the file. A write
    // that cannot be made (a file too large among them) is dropped silently and leaves the
    // file as it was.
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
