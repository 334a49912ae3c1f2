#pragma once

#include <string>

namespace razzlewick::platform {

// A function found in a shared library loaded at run time, or why there is none.
struct ModuleFunction final {
    void* address = nullptr;  // null when loading or the look-up failed
    std::string error;        // the loader's own words then
};

// Loads the shared library at `path` (its functions bound when first called, as a program's
// own are, unless it was linked to bind them all at once; none offered to later libraries)
// and looks up the function `name` in it. The library stays loaded until exit. A path that
// does not start at the root is refused, never looked for from the current folder.
ModuleFunction LoadModuleFunction(const std::string& path, const char* name);

}  // namespace razzlewick::platform
