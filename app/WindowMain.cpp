// The windowed program, in a library that `razzlewick` loads only when a window is wanted:
// builds the application object and runs start-up.

#include "app/DisplayFailure.h"
#include "app/InsultApp.h"
#include "cli/WindowModule.h"

#include <QApplication>

#include <optional>

// Found by name (kWindowEntryName) when the program hands over; the one symbol the library
// offers.
extern "C" __attribute__((visibility("default"))) int RazzlewickWindowMain(int argc, char** argv)
{
    static_assert(std::is_same_v<decltype(&RazzlewickWindowMain), razzlewick::WindowEntry>);
    std::optional<QApplication> application;
    {
        const razzlewick::DisplayFailureGuard guard;
        application.emplace(argc, argv);
    }
    razzlewick::InsultApp app;
    app.Run();
    return 0;
}
