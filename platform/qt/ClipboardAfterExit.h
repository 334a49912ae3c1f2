#pragma once

#include <string>

namespace razzlewick::platform {

// For the end of the program, while the application object still exists: keeps the text
// we put on the X clipboard there after we exit. A running clipboard manager is left to
// Qt, which hands the text to it when the application object goes; without one, the keeper
// program beside ours takes the clipboard over. Wayland compositors decide for themselves.
// Empty when all went well or there was nothing to keep, else what went wrong.
std::string KeepClipboardAfterExit();

}  // namespace razzlewick::platform
