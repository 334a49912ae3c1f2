#pragma once

#include <chrono>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace razzlewick::platform {

// Reading and writing an open descriptor, carried on after interruptions by signals.

struct IoResult final {
    std::size_t count = 0;  // bytes moved; 0 with no error is the end of the file
    int error = 0;          // errno of a failed call
};

// Waits until the descriptor is ready for `events` (POLLIN, POLLOUT) or `deadline` passes;
// false when the time ran out or the wait failed.
bool WaitForDescriptor(int fd, short events, std::chrono::steady_clock::time_point deadline);

// Reads up to `count` bytes into `dest`.
IoResult ReadSome(int fd, char* dest, std::size_t count);

// Appends everything left on the descriptor to `text`; 0 or the errno of the failure.
int ReadAll(int fd, std::string& text);

// Writes every byte, however many calls it takes; 0 or the errno of the failure.
int WriteAll(int fd, std::string_view bytes);

// The bytes between the current position and the end of a regular file; none for a pipe,
// a device or anything else whose length is unknown.
std::optional<std::int64_t> BytesLeftInRegularFile(int fd);

}  // namespace razzlewick::platform
