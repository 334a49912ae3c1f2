#include "platform/LoadModule.h"

#include <dlfcn.h>

namespace razzlewick::platform {

ModuleFunction LoadModuleFunction(const std::string& path, const char* name)
{
    // A relative path would be looked for from the current folder.
    if (!path.starts_with('/'))
        return {nullptr, path + ": not loaded, as it is no full path"};
    void* module = ::dlopen(path.c_str(), RTLD_LAZY | RTLD_LOCAL);
    if (module == nullptr) {
        const char* error = ::dlerror();
        return {nullptr, error != nullptr ? error : path + ": cannot be loaded"};
    }
    ::dlerror();
    void* address = ::dlsym(module, name);
    if (address == nullptr) {
        const char* error = ::dlerror();
        return {nullptr, error != nullptr ? error : path + ": no " + name};
    }
    return {address, {}};
}

}  // namespace razzlewick::platform
