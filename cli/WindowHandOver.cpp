#include "cli/WindowHandOver.h"

#include "cli/DisplayCheck.h"
#include "cli/WindowModule.h"
#include "platform/LoadModule.h"
#include "platform/ProgramFolder.h"

#include <string>

namespace razzlewick {

int OpenWindow(int argc, char** argv, const Arguments& arguments, std::ostream& err)
{
    if (const std::string reason = NoDisplayReason(arguments, ProcessDisplayEnvironment());
        !reason.empty()) {
        err << CannotOpenWindowMessage(reason);
        return 1;
    }
    // Never a library relative to the current folder, which anyone may have filled.
    const std::string folder = platform::ProgramFolder();
    if (folder.empty()) {
        err << CannotOpenWindowMessage(
            "the program's own folder, where its window library is, cannot be found "
            "(/proc/self/exe cannot be read)");
        return 1;
    }
    const platform::ModuleFunction entry =
        platform::LoadModuleFunction(folder + kWindowModuleName, kWindowEntryName);
    if (entry.address == nullptr) {
        err << CannotOpenWindowMessage(entry.error);
        return 1;
    }
    err.flush();
    return reinterpret_cast<WindowEntry>(entry.address)(argc, argv);
}

}  // namespace razzlewick
