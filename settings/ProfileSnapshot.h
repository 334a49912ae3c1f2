#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace razzlewick {

// A settings file as one reading found it, so that several keys are looked up in one read of
// the file however many there are.
class ProfileSnapshot final {
public:
    enum class State { Read, Missing, Unreadable, TooLarge };

    ProfileSnapshot() = default;
    ProfileSnapshot(State state, std::string path, std::string text);

    // The key's value as a decimal integer, or defaultValue when the file could not be read
    // or the section or the key is missing.
    int32_t ReadInteger(std::string_view section, std::string_view key, int32_t defaultValue) const;

    State GetState() const { return state_; }
    // The file that was read, or would have been; empty when no settings folder is known.
    const std::string& Path() const { return path_; }

private:
    State state_ = State::Missing;
    std::string path_;
    std::string text_;
};

}  // namespace razzlewick
