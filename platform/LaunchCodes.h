#pragma once

namespace razzlewick::platform {

// Launch results follow the shell's convention: above 32 is success, anything else is
// one of the shell's error codes.
inline constexpr int LaunchStarted = 42;
inline constexpr int LaunchOutOfResources = 0;
inline constexpr int LaunchFileNotFound = 2;
inline constexpr int LaunchPathNotFound = 3;
inline constexpr int LaunchAccessDenied = 5;
inline constexpr int LaunchBadFormat = 11;
inline constexpr int LaunchNoAssociation = 31;

inline constexpr bool LaunchSucceeded(int code)
{
    return code > 32;
}

// The shell code for a program that could not be started at all (errno of the start).
int LaunchCodeForStartError(int error);

}  // namespace razzlewick::platform
