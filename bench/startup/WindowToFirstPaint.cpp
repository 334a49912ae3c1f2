// The window library's entry as the program's own (app/WindowMain.cpp), ending at the main
// window's first paint: loaded by `razzlewick` from its folder, or called by a launcher of
// its own, so the hand-over from the program is timed by the difference.
#include "app/InsultApp.h"
#include "bench/startup/QuitOnFirstPaint.h"

#include <QApplication>

extern "C" __attribute__((visibility("default"))) int RazzlewickWindowMain(int argc, char** argv)
{
    QApplication application(argc, argv);
    QuitOnFirstPaint quit("razzlewick::MainDialog");
    application.installEventFilter(&quit);
    razzlewick::InsultApp app;
    app.Run();
    return 1;  // reached only when the window never painted
}
