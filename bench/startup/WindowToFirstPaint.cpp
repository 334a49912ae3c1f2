// The window library's entry as the program's own (app/WindowMain.cpp), ending at the first
// paint of the first dialog the user sees: the main window, or the start-up report or a
// message that comes before it. Loaded by `razzlewick` from its folder, or called by a
// launcher of its own, so the hand-over from the program is timed by the difference.
#include "app/InsultApp.h"
#include "bench/startup/QuitOnFirstPaint.h"

#include <QApplication>

extern "C" __attribute__((visibility("default"))) int RazzlewickWindowMain(int argc, char** argv)
{
    QApplication application(argc, argv);
    QuitOnFirstPaint quit("QDialog");
    application.installEventFilter(&quit);
    razzlewick::InsultApp app;
    app.Run();
    return 1;  // reached only when the window never painted
}
