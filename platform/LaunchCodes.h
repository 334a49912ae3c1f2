#pragma once

namespace razzlewick::platform {

// Launch results follow the shell's convention: above 32 is success, anything else is
// one of the shell's error codes.
inline constexpr int kLaunchStarted = 42;
inline constexpr int kLaunchOutOfResources = 0;
inline constexpr int kLaunchFileNotFound = 2;
inline constexpr int kLaunchPathNotFound = 3;
inline constexpr int kLaunchAccessDenied = 5;
inline constexpr int kLaunchBadFormat = 11;
inline constexpr int kLaunchNoAssociation = 31;

inline constexpr bool LaunchSucceeded(int code)
{
    return code > 32;
}

// The shell code for a program that could not be started at all (errno of the start).
int LaunchCodeForStartError(int error);

}  // namespace razzlewick::platform
