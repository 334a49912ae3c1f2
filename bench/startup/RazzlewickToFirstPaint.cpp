// The program's own start-up, as main() runs it, ending at the main window's first paint.
#include "app/InsultApp.h"
#include "bench/startup/QuitOnFirstPaint.h"

#include <QApplication>

using namespace razzlewick;

int main(int argc, char* argv[])
{
    QApplication application(argc, argv);
    QuitOnFirstPaint quit("razzlewick::MainDialog");
    application.installEventFilter(&quit);
    InsultApp app;
    app.Run();
    return 1;  // reached only when the window never painted
}
